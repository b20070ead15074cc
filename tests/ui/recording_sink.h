#pragma once
// A message sink that keeps the messages instead of showing them.

#include <QStringList>

#include "ui/message_sink.h"

namespace grahavani::test {

class RecordingSink final : public MessageSink {
public:
    void ShowInformation(QWidget*, const QString& text) override { messages << text; }
    void ShowCritical(QWidget*, const QString& title, const QString& text) override {
        criticalTitles << title;
        messages << text;
    }
    QStringList messages;
    QStringList criticalTitles;
};

}  // namespace grahavani::test
