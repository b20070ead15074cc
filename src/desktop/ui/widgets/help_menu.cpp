#include "desktop/ui/widgets/help_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace grahavani {

QAction* AddHelpMenu(QMenuBar* bar, std::function<void(VendorPage)> openPage,
                     std::function<void()> showAbout) {
    QMenu* mnuHelp = bar->addMenu(QCoreApplication::translate("HelpMenu", "&Help"));
    mnuHelp->setObjectName("mnuHelp");
    const auto pageItem = [&](const QString& name, const QString& caption, VendorPage page) {
        QAction* item = mnuHelp->addAction(caption);
        item->setObjectName(name);
        QObject::connect(item, &QAction::triggered, mnuHelp, [openPage, page] { openPage(page); });
        return item;
    };
    QAction* mnuOnline =
        pageItem("mnuOnline", QCoreApplication::translate("HelpMenu", "&Online Help"), VendorPage::HelpWebPage);
    mnuOnline->setShortcut(QKeySequence::HelpContents);
    pageItem("mnuVisit", QCoreApplication::translate("HelpMenu", "&Visit Us Online"), VendorPage::HomePage);
    mnuHelp->addSeparator()->setObjectName("mnuHelpSep1");
    pageItem("mnuUpdate", QCoreApplication::translate("HelpMenu", "Check for Software &Update"),
             VendorPage::DownloadWebPage);
    mnuHelp->addSeparator()->setObjectName("mnuHelpSep2");
    QAction* mnuAbout = mnuHelp->addAction(QCoreApplication::translate("HelpMenu", "&About Software"));
    mnuAbout->setObjectName("mnuAbout");
    QObject::connect(mnuAbout, &QAction::triggered, mnuHelp, std::move(showAbout));
    return mnuOnline;
}

}  // namespace grahavani
