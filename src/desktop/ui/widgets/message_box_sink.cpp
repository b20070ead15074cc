#include "desktop/ui/widgets/message_box_sink.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace grahavani {

namespace {
QString Title() { return QCoreApplication::translate("MessageBoxSink", "Grahavani"); }
}  // namespace

void MessageBoxSink::ShowInformation(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, Title(), text);
}

bool MessageBoxSink::AskYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::information(parent, Title(), text, QMessageBox::Yes | QMessageBox::No,
                                    QMessageBox::Yes) == QMessageBox::Yes;
}

bool MessageBoxSink::AskChoice(QWidget* parent, const QString& text, const QString& firstButton,
                               const QString& secondButton) {
    QMessageBox box(QMessageBox::Warning, Title(), text, QMessageBox::NoButton, parent);
    QPushButton* first = box.addButton(firstButton, QMessageBox::AcceptRole);
    box.addButton(secondButton, QMessageBox::RejectRole);
    box.setDefaultButton(first);
    box.exec();
    return box.clickedButton() == first;
}

void MessageBoxSink::ShowCritical(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text);
}

}  // namespace grahavani
