#pragma once
// The words the desktop names the three regional drawings with.

#include <QString>

#include "chart/chart_style.h"

namespace grahavani {

// "North Indian Style", "South Indian Style" or "East Indian Style".
QString ChartStyleName(ChartStyle style);

}  // namespace grahavani
