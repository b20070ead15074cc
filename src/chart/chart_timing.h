#pragma once
// The timing of a computed chart: its navamsa, its three dashas and panchang, with the sunrise
// of the civil birth date, all on the clock the chart was computed with.

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "model/birth_record.h"
#include "model/chart_result.h"
#include "model/chart_options.h"
#include "timing/dasha_timeline.h"
#include "timing/navamsa.h"
#include "timing/panchang.h"

namespace grahavani {

struct ChartTiming {
    int ClockOffsetSeconds = 0;  // the birth place's clock ahead of universal time
    std::array<NavamsaPlacement, 10> Navamsa{};
    DashaYear Year = DashaYear::Julian;
    std::array<DashaTimeline, 3> Dashas;  // in DashaSystem order
    SunriseRule Sunrise = SunriseRule::ApparentLimb;
    grahavani::Panchang Panchang;
    std::string SunriseReason;  // why the birth date has no sunrise; empty when it has one
    std::string EphemerisNotice;  // the sunrise's Moshier notice, where the chart gave no such one
};

// The record's local date and time less the chart's universal instant, to the second: the
// offset either engine actually used, daylight saving and the zone's direction included.
int ChartClockOffsetSeconds(const BirthRecord& birth, const ChartResult& chart);

// From the chart's longitudes and instant; the sunrise at the record's coordinates. Throws
// EphemerisFailure where the library cannot compute the sunrise.
ChartTiming ComputeChartTiming(const BirthRecord& birth, const ChartResult& chart, DashaYear year,
                               SunriseRule sunrise = SunriseRule::ApparentLimb);


}  // namespace grahavani
