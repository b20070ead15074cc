#pragma once
// The texts of an engine that gives only numbers: every position text, the Moon's
// nakshatra and rashi and the ayanamsa, from Longitudes and AyanamsaDegrees.

#include "model/chart_result.h"

namespace grahavani {

void WriteLongitudeTexts(ChartResult& chart);

}  // namespace grahavani
