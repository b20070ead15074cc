#pragma once
// Texts that name the clock a place kept, for the line under the zone row and for an extra zone row.

#include <string>
#include <string_view>

#include "atlas/local_clock.h"
#include "model/language.h"

namespace grahavani {

// "war time", "peace time", "IST", "daylight saving" or "standard time": the zone's abbreviation
// when it is a name, what the tz database marks the time as when the abbreviation is only numeric.
std::string ClockName(std::string_view timeZone, const LocalDateTime& local, const ZoneClock& clock);

// "Asia/Kolkata on 15 Aug 1943: +6:30, war time"; in Hindi and Tamil the words and the month are
// the reader's, the zone's name, offset and abbreviation kept.
std::string ZoneLineText(std::string_view timeZone, const LocalDateTime& local, const ZoneClock& clock,
                         Language language = Language::English);

// "Kolkata 1943, war time, +6:30"
std::string ExtraZoneRowName(std::string_view placeName, std::string_view timeZone, const LocalDateTime& local,
                             const ZoneClock& clock);

}  // namespace grahavani
