#include "desktop/files/qt_common_dialog.h"

#include <QFileDialog>
#include <QPrintDialog>

namespace grahavani {

namespace {

std::optional<QString> ShowFileDialog(QWidget* parent, const FileDialogSettings& settings,
                                      QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setObjectName("CD");
    if (!settings.title.isEmpty()) dialog.setWindowTitle(settings.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(settings.filter);
    dialog.setDefaultSuffix(settings.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !settings.confirmOverwrite);
    if (!settings.fileName.isEmpty()) dialog.selectFile(settings.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> QtCommonDialog::ShowOpen(QWidget* parent,
                                                const FileDialogSettings& settings) {
    return ShowFileDialog(parent, settings, QFileDialog::AcceptOpen);
}

std::optional<QString> QtCommonDialog::ShowSave(QWidget* parent,
                                                const FileDialogSettings& settings) {
    return ShowFileDialog(parent, settings, QFileDialog::AcceptSave);
}

bool QtCommonDialog::ShowPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("CD");
    // One page is printed, so there is no range to choose. Printing to a file stays:
    // on many machines a PDF file is the only printer there is.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace grahavani
