#include "desktop/ui/language/language_menu.h"

#include <array>

#include <QActionGroup>

#include "desktop/ui/language/desktop_translator.h"
#include "desktop/ui/language/keep_translated.h"

namespace grahavani {

LanguageMenu::LanguageMenu(QWidget* parent) : QMenu(parent) {
    setObjectName("mnuLanguage");
    // Never translated: a reader who cannot read the language shown still finds their own.
    const std::array<std::pair<const char*, QString>, LanguageCount> items = {
        std::pair{"mnuEnglish", QStringLiteral("English")},
        std::pair{"mnuHindi", QStringLiteral("हिन्दी")},
        std::pair{"mnuTamil", QStringLiteral("தமிழ்")}};
    auto* group = new QActionGroup(this);
    std::array<QAction*, LanguageCount> actions{};
    for (std::size_t index = 0; index < items.size(); ++index) {
        actions[index] = addAction(items[index].second);
        actions[index]->setObjectName(items[index].first);
        actions[index]->setCheckable(true);
        group->addAction(actions[index]);
        const auto language = static_cast<Language>(index);
        connect(actions[index], &QAction::triggered, this, [this, language] { emit languageChosen(language); });
    }
    KeepTranslated(*this, [this, actions] {
        //: The View menu's choice of the language every window is shown in.
        setTitle(tr("Lan&guage"));
        actions[static_cast<std::size_t>(DesktopLanguage())]->setChecked(true);
    });
}

}  // namespace grahavani
