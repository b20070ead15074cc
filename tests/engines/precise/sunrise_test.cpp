#include "engines/precise/sunrise.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/timing/julian_day.h"

namespace grahavani {
namespace {

using namespace date::literals;

// Expected times from Debian's swetest, started at the local midnight in UT, e.g.
//   swetest -rise -b14.8.1947 -ut18:30 -p0 -geopos77.2167,28.65,0 -n1 -edir/usr/share/libswe/ephe
TEST(FindSunrise, AgreesWithSwetestFromLocalMidnight) {
    const struct {
        date::year_month_day date;
        int offsetSeconds;
        double latitude, longitude;
        double expectedJulianDayUT;
    } cases[] = {
        {1947_y / 8 / 15, 19800, 28.65, 77.2167, test::JulianDayUT(1947, 8, 15, 0 + 19 / 60.0 + 36.7 / 3600)},
        {2000_y / 6 / 21, -14400, 40.7128, -74.006, test::JulianDayUT(2000, 6, 21, 9 + 25 / 60.0 + 5.8 / 3600)},
        {2024_y / 1 / 1, 39600, -33.8688, 151.2093, test::JulianDayUT(2023, 12, 31, 18 + 47 / 60.0 + 8.3 / 3600)},
    };
    for (const auto& c : cases) {
        const SunriseSearch sunrise = FindSunrise(c.date, c.offsetSeconds, c.latitude, c.longitude);
        ASSERT_TRUE(sunrise.JulianDayUT) << sunrise.Reason;
        EXPECT_TRUE(sunrise.Reason.empty());
        EXPECT_NEAR(*sunrise.JulianDayUT, c.expectedJulianDayUT, 0.2 / 86400) << c.latitude;
    }
}

// Tromsø (69.65° N) has polar night in December and midnight sun in June: swetest finds no
// rise on either day. Impossible dates and places are refused, not searched.
TEST(FindSunrise, SaysWhyThereIsNone) {
    const struct {
        date::year_month_day date;
        double latitude, longitude;
        const char* reason;
    } cases[] = {
        {2023_y / 12 / 21, 69.6492, 18.9553, "The Sun does not rise on this day at this place."},
        {2023_y / 6 / 21, 69.6492, 18.9553, "The Sun does not rise on this day at this place."},
        {2023_y / 6 / 21, -89.9, 0, "The Sun does not rise on this day at this place."},
        {2023_y / 2 / 30, 28.65, 77.2167, "The date does not exist."},
        {2023_y / 2 / 28, 95, 77.2167, "The place lies outside the range of latitudes and longitudes."},
        {2023_y / 2 / 28, 28.65, std::numeric_limits<double>::quiet_NaN(),
         "The place lies outside the range of latitudes and longitudes."},
    };
    for (const auto& c : cases) {
        const SunriseSearch sunrise = FindSunrise(c.date, 3600, c.latitude, c.longitude);
        EXPECT_FALSE(sunrise.JulianDayUT) << c.latitude;
        EXPECT_EQ(sunrise.Reason, c.reason);
    }
}

}  // namespace
}  // namespace grahavani
