#include "ui/message_box_sink.h"

#include <QMessageBox>

namespace grahavani {

void MessageBoxSink::ShowInformation(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("Grahavani"), text);
}

void MessageBoxSink::ShowCritical(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text);
}

}  // namespace grahavani
