#pragma once
// The Help menu that the entry form and the main window share: the vendor's pages
// and the about box.

#include <functional>

#include "desktop/ui/widgets/vendor_page.h"

class QAction;
class QMenuBar;

namespace grahavani {

// Adds the menu and returns its "Online Help" item, which the toolbar also runs.
QAction* AddHelpMenu(QMenuBar* bar, std::function<void(VendorPage)> openPage,
                     std::function<void()> showAbout);

}  // namespace grahavani
