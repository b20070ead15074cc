#pragma once
// Text in a control of fixed size: a long word in Tamil or Hindi steps the font down until it
// fits, instead of being cut at the edge.

#include <QString>
#include <QWidget>

namespace grahavani {

// Sets `widget`'s font to `pointSize`, or the largest smaller size (down to two thirds of it)
// at which `text` fits the widget's width less `marginPixels`.
void FitFontToWidth(QWidget& widget, const QString& text, double pointSize, int marginPixels);

}  // namespace grahavani
