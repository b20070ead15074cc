#pragma once
// What the shadbala of a computed chart reads beside its longitudes: the planets' latitudes and
// the Vedic day of the birth, with its sunrise, sunset and next sunrise under the chart's rule.

#include "model/birth_record.h"
#include "model/chart_options.h"
#include "model/chart_result.h"
#include "vargas/shadbala.h"

namespace grahavani {

// At the record's coordinates, on the chart's own clock. The latitudes are read only for
// planets at war. Throws EphemerisFailure where the library cannot compute the Sun or a planet.
ShadbalaInput ShadbalaInputOf(const BirthRecord& birth, const ChartResult& chart, SunriseRule rule);

}  // namespace grahavani
