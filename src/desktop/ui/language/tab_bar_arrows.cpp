#include "desktop/ui/language/tab_bar_arrows.h"

#include <QCoreApplication>
#include <QTabBar>
#include <QToolButton>

#include "desktop/ui/language/keep_translated.h"

namespace grahavani {

void KeepTabBarArrowsTranslated(QTabBar& bar) {
    KeepTranslated(bar, [&bar] {
        // The names and texts Qt gives them, under Qt's own context.
        const std::pair<const char*, const char*> arrows[] = {{"ScrollLeftButton", "Scroll Left"},
                                                              {"ScrollRightButton", "Scroll Right"}};
        for (const auto& [name, text] : arrows) {
            if (auto* arrow = bar.findChild<QToolButton*>(name, Qt::FindDirectChildrenOnly)) {
                arrow->setAccessibleName(QCoreApplication::translate("QTabBar", text));
            }
        }
    });
}

}  // namespace grahavani
