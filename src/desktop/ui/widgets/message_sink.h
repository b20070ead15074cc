#pragma once
// Where the windows send the messages they show the user, so that tests can read
// them instead of having a modal box block.

#include <QString>

class QWidget;

namespace grahavani {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A message with the information icon and an OK button.
    virtual void ShowInformation(QWidget* parent, const QString& text) = 0;
    // A question with the information icon and the buttons Yes and No; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text) = 0;
    // A question with the warning icon and two buttons with these captions; true for the first.
    virtual bool AskChoice(QWidget* parent, const QString& text, const QString& firstButton,
                           const QString& secondButton) = 0;
    // A message with the critical (stop) icon and an OK button.
    virtual void ShowCritical(QWidget* parent, const QString& title, const QString& text) = 0;
};

}  // namespace grahavani
