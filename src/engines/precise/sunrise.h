#pragma once
// The sunrise of a civil day at a place, from the Swiss Ephemeris: the moment the Sun's upper
// limb or centre, as the rule says, meets the horizon (and the sunset, where it leaves it), with or without the refraction of the
// standard atmosphere (1013.25 hPa, 15 °C), for an observer at sea level.

#include <date/date.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/chart_options.h"

namespace grahavani {

// Why a day has no sunrise: SunriseSearch::Reason is one of these.
inline constexpr std::array<std::string_view, 3> NoSunriseReasons = {
    "The date does not exist.",
    "The place lies outside the range of latitudes and longitudes.",
    "The Sun does not rise on this day at this place.",
};

struct SunriseSearch {
    std::optional<double> JulianDayUT;  // none where the Sun does not rise that day
    std::string Reason;                 // why there is none; empty when found
    std::string MoshierNotice;          // why the Moshier theory stood in for a file; else empty
};

// The first sunrise from local midnight of the date on a clock `clockOffsetSeconds` ahead of
// UT, before the next local midnight, under the rule. Latitude north-positive, longitude
// east-positive, degrees. Throws EphemerisFailure where the library cannot compute the Sun.
SunriseSearch FindSunrise(date::year_month_day localDate, int clockOffsetSeconds, double latitude,
                          double longitudeEast, SunriseRule rule);

// The first sunset under the rule after the moment, within a day of it; none where the Sun
// does not set that day. Throws EphemerisFailure as FindSunrise does.
std::optional<double> FindSunsetAfter(double julianDayUT, double latitude, double longitudeEast,
                                      SunriseRule rule);

// The Sun's lower transit at the longitude (local apparent midnight) nearest the moment.
// Reads no ephemeris file within the tabled days.
double FindLowerTransitNear(double julianDayUT, double longitudeEast);

}  // namespace grahavani
