#include "timing/local_time.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/timing/julian_day.h"

namespace grahavani {
namespace {

// J2000.0 is 2000-01-01 12:00 UT by definition; the rest are offsets from it by hand.
TEST(LocalTimeTexts, ShiftByTheClockAndRoundToTheMinuteOrSecond) {
    constexpr double j2000 = 2451545.0;
    struct Case {
        double julianDayUT;
        int offsetSeconds;
        const char* minute;
        const char* second;
    };
    const Case cases[] = {
        {j2000, 0, "2000-01-01T12:00", "2000-01-01T12:00:00"},
        {j2000, 19800, "2000-01-01T17:30", "2000-01-01T17:30:00"},
        {j2000, -43200, "2000-01-01T00:00", "2000-01-01T00:00:00"},
        {j2000 - 20.0 / 86400, -43200, "2000-01-01T00:00", "1999-12-31T23:59:40"},
        {j2000 + 29.4 / 86400, 0, "2000-01-01T12:00", "2000-01-01T12:00:29"},
        {j2000 + 30.6 / 86400, 0, "2000-01-01T12:01", "2000-01-01T12:00:31"},
        {j2000 + 11.9999 / 24, 0, "2000-01-02T00:00", "2000-01-02T00:00:00"},
        {j2000 - 1e7, 3600, "", ""},
        {1721059.5, 0, "0000-01-01T00:00", "0000-01-01T00:00:00"},
        {1721059.5 - 1e-3, 0, "", ""},  // the last minutes of the year -1
        {std::numeric_limits<double>::quiet_NaN(), 0, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatLocalMinute(c.julianDayUT, c.offsetSeconds), c.minute) << c.julianDayUT;
        EXPECT_EQ(FormatLocalSecond(c.julianDayUT, c.offsetSeconds), c.second) << c.julianDayUT;
    }
}

TEST(LocalDateOf, IsTheDateOnTheBirthPlacesClock) {
    using namespace date::literals;
    struct Case {
        double julianDayUT;
        int offsetSeconds;
        date::year_month_day date;
    };
    const Case cases[] = {
        {test::JulianDayUT(1947, 8, 14, 18.5), 19800, 1947_y / 8 / 15},
        {test::JulianDayUT(1947, 8, 14, 18.5) - 1e-9, 19800, 1947_y / 8 / 15},
        {test::JulianDayUT(1947, 8, 14, 18.4), 19800, 1947_y / 8 / 14},
        {test::JulianDayUT(2024, 1, 1, 3), -18000, 2023_y / 12 / 31},
    };
    for (const Case& c : cases) EXPECT_EQ(LocalDateOf(c.julianDayUT, c.offsetSeconds), c.date);
}

}  // namespace
}  // namespace grahavani
