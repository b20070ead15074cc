#pragma once
// The shape both engines share: a birth record in, the chart's numbers out. An engine
// fills Longitudes, Retrograde, JulianDayUT, UniversalTimeHours, AyanamsaDegrees,
// ComputedBy, Ephemeris and ZoneSignFromHemisphere; the classic engine also writes its
// texts itself, as it always has, while the precise one leaves them to the chart.

#include <cmath>

#include "model/birth_record.h"
#include "model/chart_options.h"
#include "model/chart_result.h"

namespace grahavani {

using ChartEngine = void (*)(const BirthRecord& birth, const ChartOptions& options,
                             ChartResult& chart);

// Any angle in degrees, brought into [0, 360).
inline double WithinOneTurn(double degrees) {
    const double wrapped = degrees - 360 * std::floor(degrees / 360);
    return wrapped >= 360 ? 0 : wrapped;
}

}  // namespace grahavani
