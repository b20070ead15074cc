#pragma once
// Texts that follow the program's language: set now, and set again whenever a translator is
// installed or removed, for as long as the widget they belong to lives.

#include <functional>

class QWidget;

namespace grahavani {

// Runs `setTexts` now and on every language change `owner` receives. Windows and their children
// all receive it, so an action's or a child's texts may be set from its window's.
void KeepTranslated(QWidget& owner, std::function<void()> setTexts);

}  // namespace grahavani
