#pragma once
// The line that says which engine made the chart on screen, as the heading strip and the
// chart frame (and so its picture and printed page) show it.

#include <QString>

#include "model/chart_result.h"

namespace grahavani {

// "Classic ephemeris", "Precise ephemeris", or "Precise ephemeris (Moshier)" when the
// ephemeris files were missing.
QString EphemerisCaption(const ChartResult& chart);

}  // namespace grahavani
