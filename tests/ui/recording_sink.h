#pragma once
// A message sink that keeps the messages instead of showing them.

#include <QStringList>

#include "ui/message_sink.h"

namespace grahavani::test {

class RecordingSink final : public MessageSink {
public:
    void ShowInformation(QWidget*, const QString& text) override { messages << text; }
    QStringList messages;
};

}  // namespace grahavani::test
