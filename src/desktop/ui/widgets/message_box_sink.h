#pragma once
// The messages as modal message boxes; information is titled with the program's name.

#include "desktop/ui/widgets/message_sink.h"

namespace grahavani {

class MessageBoxSink final : public MessageSink {
public:
    void ShowInformation(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text) override;
    bool AskChoice(QWidget* parent, const QString& text, const QString& firstButton,
                   const QString& secondButton) override;
    void ShowCritical(QWidget* parent, const QString& title, const QString& text) override;
};

}  // namespace grahavani
