#pragma once
// The one path from a filled birth record to a complete chart result, by either engine.

#include "model/birth_record.h"
#include "model/chart_options.h"
#include "model/chart_result.h"

namespace grahavani {

// Overwrites the chart result field by field; fields that a step cannot reach keep
// the values of the previous chart. For the precise engine, run
// CheckPreciseBirthRecord (engines/precise/birth_instant.h) first; it throws
// EphemerisFailure (engines/precise/ephemeris_failure.h) where the library fails, and
// then the chart result is incomplete.
void ComputeChart(const BirthRecord& birth, ChartResult& chart,
                  const ChartOptions& options = {});

}  // namespace grahavani
