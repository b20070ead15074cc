#pragma once
// The colours of the chart drawings and of the main window's strips.

#include <QColor>

namespace grahavani {

inline const QColor ChartGround(255, 199, 6);  // amber
inline const QColor ChartLine(Qt::black);

}  // namespace grahavani
