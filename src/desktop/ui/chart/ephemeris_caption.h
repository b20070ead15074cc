#pragma once
// The line that says which engine made the chart on screen, and by which ayanamsa, as the
// heading strip and the chart frame (and so its picture and printed page) show it.

#include <QString>

#include "model/chart_options.h"
#include "model/chart_result.h"

namespace grahavani {

// "Classic ephemeris", or the precise engine with the ayanamsa of the options it ran by:
// "Precise ephemeris, Raman ayanamsa", "Precise ephemeris, own ayanamsa 23° 30′ 00″", and
// "Precise ephemeris (Moshier), …" when the ephemeris files were missing.
QString EphemerisCaption(const ChartResult& chart, const ChartOptions& options);

}  // namespace grahavani
