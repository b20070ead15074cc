#pragma once
// The instant of a birth in universal time by the real calendar and the zone's own
// direction, and the check that the record names a day and a place that exist.

#include <chrono>
#include <optional>
#include <string>

#include "model/birth_record.h"
#include "model/language.h"

namespace grahavani {

struct BirthInstant {
    std::chrono::year_month_day universalDate;  // moved when the zone crosses midnight
    std::chrono::seconds secondsOfDay;          // 0 to 86399
    bool zoneSignFromHemisphere = false;  // the record had no signed offset
};

// A message naming what cannot be computed precisely (a date the Gregorian calendar
// lacks, like 29 February 1900, or a place off the globe) in the reader's language, or nothing.
std::optional<std::string> CheckPreciseBirthRecord(const BirthRecord& birth, Language language = Language::English);

// The zone's offset comes from ZoneOffsetSeconds, else from the magnitudes with the
// direction of the longitude's hemisphere (0 degrees counts as west). Daylight saving
// puts the clock one hour ahead.
BirthInstant UniversalInstant(const BirthRecord& birth);

// Degrees, east and north positive.
double EastLongitude(const BirthRecord& birth);
double NorthLatitude(const BirthRecord& birth);

}  // namespace grahavani
