#pragma once
// The three regional drawings of a chart.

#include <QString>

namespace grahavani {

enum class ChartStyle { North, South, East };

// "North Indian Style", "South Indian Style" or "East Indian Style".
QString ChartStyleName(ChartStyle style);

}  // namespace grahavani
