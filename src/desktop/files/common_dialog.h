#pragma once
// The main window's common dialogs (file open, file save, print) behind one small
// interface, so that tests choose paths and printers without a window.

#include <optional>

#include <QString>

class QPrinter;
class QWidget;

namespace grahavani {

struct FileDialogSettings {
    QString title;          // empty: the dialog's own
    QString filter;         // "Description (*.ext)"
    QString defaultSuffix;  // added to a name typed without one
    QString fileName;       // shown when the dialog opens
    // Off where the command never replaces a file, so asking "replace it?" would mislead.
    bool confirmOverwrite = true;
};

class CommonDialog {
public:
    virtual ~CommonDialog() = default;
    // An existing file, or nothing when cancelled.
    virtual std::optional<QString> ShowOpen(QWidget* parent, const FileDialogSettings& settings) = 0;
    // A path in an existing folder, confirmed if it replaces a file and the settings ask for
    // that; nothing when cancelled.
    virtual std::optional<QString> ShowSave(QWidget* parent, const FileDialogSettings& settings) = 0;
    // True when confirmed; the printer then holds the choices made.
    virtual bool ShowPrinter(QWidget* parent, QPrinter& printer) = 0;
};

}  // namespace grahavani
