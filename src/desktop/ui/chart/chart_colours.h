#pragma once
// The way the colours of the chart drawings and of the main window's strips are given to a
// widget whatever the desktop's colour scheme.

#include <QColor>

#include "render/chart_colours.h"

class QWidget;

namespace grahavani {

// The ground of the widget and of what it holds; their texts keep the desktop's
// colours, as the interpretation's tabs do on the display.
void SetChartGround(QWidget& widget, const QColor& ground);
// The ground and the text colour of the widget and of what it holds.
void SetChartColours(QWidget& widget, const QColor& ground, const QColor& text);

}  // namespace grahavani
