#pragma once
// The precise engine: apparent geocentric positions from the Swiss Ephemeris, sidereal
// by its Lahiri ayanamsa, with the ascendant and midheaven of its house function. Safe
// to call from any thread; each thread prepares the library's state of its own.

#include "engines/chart_engine.h"

namespace grahavani {

// Expects a record that passes CheckPreciseBirthRecord. Writes the numbers listed in
// chart_engine.h, the day counts UniversalTimeHours, BirthDayNumber, Centuries1900, and
// EphemerisNotice. Throws EphemerisFailure where the library cannot compute the chart.
void ComputePreciseEngine(const BirthRecord& birth, const ChartOptions& options,
                          ChartResult& chart);

}  // namespace grahavani
