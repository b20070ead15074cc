#pragma once
// The panchang at birth: tithi, yoga and karana from the Sun and Moon, and the vara, the
// weekday of the Vedic day that runs from sunrise to sunrise.

#include <array>
#include <optional>
#include <string_view>

namespace grahavani {

inline constexpr std::array<std::string_view, 7> WeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

struct Panchang {
    int TithiNumber = 1;  // 1-30
    std::string_view Tithi;
    std::string_view Paksha;  // "Shukla" or "Krishna"
    int YogaNumber = 1;       // 1-27
    std::string_view Yoga;
    std::string_view Karana;
    std::string_view Vara;
    // The sunrise of the civil birth date at the birth place; none where the Sun does not
    // rise that day, and then the vara is the civil weekday.
    std::optional<double> SunriseJulianDayUT;
};

// 0 (Sunday) to 6: the civil weekday of the local date, or the one before for a birth ahead
// of that date's sunrise.
int VedicWeekday(double birthJulianDayUT, int clockOffsetSeconds,
                 std::optional<double> sunriseJulianDayUT);

// From sidereal longitudes in degrees, the birth instant, the clock offset used for the chart
// and the sunrise of the local birth date.
Panchang ComputePanchang(double sunSiderealLongitude, double moonSiderealLongitude,
                         double birthJulianDayUT, int clockOffsetSeconds,
                         std::optional<double> sunriseJulianDayUT);

}  // namespace grahavani
