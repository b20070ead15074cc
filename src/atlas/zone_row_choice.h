#pragma once
// Which zone row and daylight-saving tick reproduce the clock a place kept, or the one extra row
// that names the clock where the zone table has no row for it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "atlas/local_clock.h"
#include "model/birth_entries.h"
#include "model/reference_tables.h"

namespace grahavani {

struct ZoneRowChoice {
    std::size_t Row = 0;  // into TimeZoneList, or TimeZoneCount for the extra row
    bool DaylightSaving = false;
    std::optional<ExtraZoneRow> ExtraZone;  // set exactly when Row is TimeZoneCount
    std::int32_t RowOffsetSeconds = 0;      // what the chosen row stands for, exact
};

// A row with the standard offset and the tick when an hour of daylight saving was added, since
// the tick stands for one hour ahead; any other clock as a row of its own, unticked. Among rows of
// that offset the current one stays, then one of the clock's abbreviation, then the first that is
// no daylight, summer or war time. With none, the extra row named `extraRowName`.
ZoneRowChoice ChooseZoneRow(const ZoneClock& clock, std::size_t currentRow, const std::string& extraRowName);

}  // namespace grahavani
