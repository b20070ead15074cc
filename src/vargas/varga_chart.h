#pragma once
// A birth chart as one of the divisional charts places it, for everything that draws or
// lists a chart from its positions.

#include "model/chart_result.h"

namespace grahavani {

// For a division of VargaDivisions: each body, the ascendant and the midheaven at its varga
// sign and degrees, in the longitudes and the position texts alike, and the lagna's sign the
// ascendant's varga sign; the rest (names, retrograde marks, the engine's figures) stays the
// birth chart's. D1 is the chart itself, with the engine's own texts.
ChartResult ChartInVarga(const ChartResult& chart, int division);

}  // namespace grahavani
