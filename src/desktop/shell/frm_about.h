#pragma once
// The about box: what the program is, the vendor's offer, and links to its site.

#include <QDialog>

namespace grahavani {

class UrlOpener;

class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(UrlOpener& opener, QWidget* parent = nullptr);
};

// Shows the box modally; it is gone when this returns.
void ShowAbout(UrlOpener& opener, QWidget* parent);

}  // namespace grahavani
