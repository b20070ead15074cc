#include "desktop/ui/message_box_sink.h"

#include <QMessageBox>

namespace grahavani {

namespace {
const QString Title = QStringLiteral("Grahavani");
}  // namespace

void MessageBoxSink::ShowInformation(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, Title, text);
}

bool MessageBoxSink::AskYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::information(parent, Title, text, QMessageBox::Yes | QMessageBox::No,
                                    QMessageBox::Yes) == QMessageBox::Yes;
}

void MessageBoxSink::ShowCritical(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text);
}

}  // namespace grahavani
