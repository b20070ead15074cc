#pragma once
// The Moon's position text, and the nakshatra and rashi its sidereal longitude falls in.

#include "model/chart_result.h"

namespace grahavani {

// Writes MoonPositionText, MoonNakshatra and MoonRashi, in that order; a longitude that
// reaches no nakshatra or rashi leaves that field as it was.
void WriteMoonTexts(double sidereal, ChartResult& chart);

}  // namespace grahavani
