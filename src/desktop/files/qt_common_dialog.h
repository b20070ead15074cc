#pragma once
// The common dialogs as the platform's file and print dialogs.

#include "desktop/files/common_dialog.h"

namespace grahavani {

class QtCommonDialog final : public CommonDialog {
public:
    std::optional<QString> ShowOpen(QWidget* parent, const FileDialogSettings& settings) override;
    std::optional<QString> ShowSave(QWidget* parent, const FileDialogSettings& settings) override;
    bool ShowPrinter(QWidget* parent, QPrinter& printer) override;
};

}  // namespace grahavani
