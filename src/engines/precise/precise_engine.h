#pragma once
// The precise engine: apparent geocentric positions from the Swiss Ephemeris, sidereal
// by the ayanamsa of the options (one of the library's predefined modes, or a value of the
// user's own), with the ascendant and midheaven of its house function. Safe to call from
// any thread; each thread prepares the library's state of its own.

#include "engines/chart_engine.h"

namespace grahavani {

// Expects a record that passes CheckPreciseBirthRecord. Writes the numbers listed in
// chart_engine.h, the day counts UniversalTimeHours, BirthDayNumber, Centuries1900, and
// EphemerisNotice and AyanamsaName. Throws EphemerisFailure where the library cannot compute
// the chart or its ayanamsa.
void ComputePreciseEngine(const BirthRecord& birth, const ChartOptions& options,
                          ChartResult& chart);

}  // namespace grahavani
