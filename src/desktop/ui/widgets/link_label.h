#pragma once
// A label that reads as a web link and is followed by a click or, once tabbed to,
// by Enter.

#include <functional>

#include <QLabel>

namespace grahavani {

QLabel* MakeLinkLabel(QWidget* parent, const QString& name, const QString& text,
                      std::function<void()> follow);
// Replaces the link's words, which a screen reader reads as its name.
void SetLinkText(QLabel& label, const QString& text);

}  // namespace grahavani
