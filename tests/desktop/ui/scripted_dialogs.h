#pragma once
// Common dialogs that answer from a script instead of opening a window.

#include <deque>
#include <optional>
#include <vector>

#include <QPrinter>

#include "desktop/files/common_dialog.h"

namespace grahavani::test {

class ScriptedDialogs final : public CommonDialog {
public:
    std::optional<QString> ShowOpen(QWidget*, const FileDialogSettings& settings) override {
        return Answer(settings);
    }
    std::optional<QString> ShowSave(QWidget*, const FileDialogSettings& settings) override {
        return Answer(settings);
    }
    // Confirms with a PDF printer when given a file to print to; cancels otherwise.
    bool ShowPrinter(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        if (pdfFile.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
        return true;
    }

    std::deque<QString> paths;  // the file dialogs' answers in turn; none left cancels
    std::vector<FileDialogSettings> shown;
    QString pdfFile;
    int printDialogs = 0;

private:
    std::optional<QString> Answer(const FileDialogSettings& settings) {
        shown.push_back(settings);
        if (paths.empty()) return std::nullopt;
        QString path = paths.front();
        paths.pop_front();
        return path;
    }
};

}  // namespace grahavani::test
