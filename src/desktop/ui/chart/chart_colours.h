#pragma once
// The colours of the chart drawings and of the main window's strips, and the way
// they are given to a widget whatever the desktop's colour scheme.

#include <QColor>

class QWidget;

namespace grahavani {

inline const QColor ChartGround(255, 199, 6);  // amber
inline const QColor ChartLine(Qt::black);
inline const QColor ChartPaper(Qt::white);
inline const QColor ChartText(Qt::black);

// The ground of the widget and of what it holds; their texts keep the desktop's
// colours, as the interpretation's tabs do on the display.
void SetChartGround(QWidget& widget, const QColor& ground);
// The ground and the text colour of the widget and of what it holds.
void SetChartColours(QWidget& widget, const QColor& ground, const QColor& text);

}  // namespace grahavani
