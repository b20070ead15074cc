#pragma once
// A message sink that keeps the messages and questions instead of showing them, and
// gives the answer a test has chosen.

#include <QStringList>

#include "desktop/ui/widgets/message_sink.h"

namespace grahavani::test {

class RecordingSink final : public MessageSink {
public:
    void ShowInformation(QWidget*, const QString& text) override { messages << text; }
    bool AskYesNo(QWidget*, const QString& text) override {
        questions << text;
        return answer;
    }
    bool AskChoice(QWidget*, const QString& text, const QString& first, const QString& second) override {
        questions << text;
        choiceButtons << first << second;
        return answer;
    }
    void ShowCritical(QWidget*, const QString& title, const QString& text) override {
        criticalTitles << title;
        messages << text;
    }
    QStringList messages;
    QStringList questions;
    QStringList criticalTitles;
    QStringList choiceButtons;
    bool answer = false;
};

}  // namespace grahavani::test
