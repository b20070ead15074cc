#pragma once
// The colours of the chart drawings, and of the paper around them.

#include <QColor>

namespace grahavani {

inline const QColor ChartGround(255, 199, 6);  // amber
inline const QColor ChartLine(Qt::black);
inline const QColor ChartPaper(Qt::white);
inline const QColor ChartText(Qt::black);

}  // namespace grahavani
