#pragma once
// Qt names a tab bar's scroll arrows for the screen reader once, when the bar is made; these
// name them again at every change of language.

class QTabBar;

namespace grahavani {

void KeepTabBarArrowsTranslated(QTabBar& bar);

}  // namespace grahavani
