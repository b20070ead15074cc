#include "desktop/ui/widgets/help_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "desktop/ui/language/keep_translated.h"

namespace grahavani {

QAction* AddHelpMenu(QMenuBar* bar, std::function<void(VendorPage)> openPage,
                     std::function<void()> showAbout) {
    QMenu* mnuHelp = bar->addMenu(QString());
    mnuHelp->setObjectName("mnuHelp");
    const auto pageItem = [&](const QString& name, VendorPage page) {
        QAction* item = mnuHelp->addAction(QString());
        item->setObjectName(name);
        QObject::connect(item, &QAction::triggered, mnuHelp, [openPage, page] { openPage(page); });
        return item;
    };
    QAction* mnuOnline = pageItem("mnuOnline", VendorPage::HelpWebPage);
    mnuOnline->setShortcut(QKeySequence::HelpContents);
    QAction* mnuVisit = pageItem("mnuVisit", VendorPage::HomePage);
    mnuHelp->addSeparator()->setObjectName("mnuHelpSep1");
    QAction* mnuUpdate = pageItem("mnuUpdate", VendorPage::DownloadWebPage);
    mnuHelp->addSeparator()->setObjectName("mnuHelpSep2");
    QAction* mnuAbout = mnuHelp->addAction(QString());
    mnuAbout->setObjectName("mnuAbout");
    QObject::connect(mnuAbout, &QAction::triggered, mnuHelp, std::move(showAbout));
    KeepTranslated(*mnuHelp, [=] {
        mnuHelp->setTitle(QCoreApplication::translate("HelpMenu", "&Help"));
        mnuOnline->setText(QCoreApplication::translate("HelpMenu", "&Online Help"));
        mnuVisit->setText(QCoreApplication::translate("HelpMenu", "&Visit Us Online"));
        mnuUpdate->setText(QCoreApplication::translate("HelpMenu", "Check for Software &Update"));
        mnuAbout->setText(QCoreApplication::translate("HelpMenu", "&About Software"));
    });
    return mnuOnline;
}

}  // namespace grahavani
