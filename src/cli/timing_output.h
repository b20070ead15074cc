#pragma once
// What the timing of a JSON chart holds, and the settings it is computed with.

#include <array>
#include <cstdint>
#include <optional>

#include "model/chart_options.h"
#include "timing/dasha_year.h"

namespace grahavani {

struct TimingOutput {
    DashaYear Year = DashaYear::Julian;
    SunriseRule Sunrise = SunriseRule::ApparentLimb;
    // 1 (the mahadashas) to 5 (the prana dashas); none keeps two levels, timed to the minute.
    std::optional<int> DashaDepth;
    // The moment whose running periods are written, in seconds from 1970-01-01T00:00 on the
    // chart's own clock.
    std::optional<std::int64_t> DashaAtLocalSeconds;
    std::array<bool, 3> Systems = {true, false, false};  // written, in DashaSystem order
};

}  // namespace grahavani
