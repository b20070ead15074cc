#include "engines/classic/time_conversion.h"

#include <gtest/gtest.h>

#include "tests/chart/test_births.h"

namespace grahavani {
namespace {

BirthRecord At(int hour, int lonDegrees, bool east, int zoneHours, int zoneMinutes,
               bool dst = false) {
    BirthRecord b = test::NoonJ2000();
    b.Hour = static_cast<std::int16_t>(hour);
    b.LongitudeDegrees = static_cast<std::int16_t>(lonDegrees);
    b.IsEast = east;
    b.ZoneHours = static_cast<std::int16_t>(zoneHours);
    b.ZoneMinutes = static_cast<std::int16_t>(zoneMinutes);
    b.DaylightSaving = dst;
    return b;
}

TEST(UniversalTime, TakesTheZoneDirectionFromTheHemisphere) {
    EXPECT_EQ(UniversalTime(At(12, 0, false, 0, 0)), 12);
    EXPECT_EQ(UniversalTime(At(1, 77, true, 5, 30)), -4.5);
    EXPECT_EQ(UniversalTime(At(23, 74, false, 5, 0)), 28);
    EXPECT_EQ(UniversalTime(At(12, 77, true, 5, 30, true)), 5.5);
    EXPECT_EQ(UniversalTime(At(12, 74, false, 5, 0, true)), 16);
    // 0°00' counts as west even when East was chosen.
    EXPECT_EQ(UniversalTime(At(12, 0, true, 2, 0)), 14);
    EXPECT_EQ(UniversalTime(At(24, 0, false, 0, 0)), 24);
}

TEST(SignedLongitude, IsNegativeInTheEast) {
    BirthRecord b = test::Delhi1947();
    EXPECT_DOUBLE_EQ(SignedLongitude(b), -(77 + 13 / 60.0));
    b.IsEast = false;
    EXPECT_DOUBLE_EQ(SignedLongitude(b), 77 + 13 / 60.0);
}

TEST(JulianDayNumber, SwitchesToGregorianAfter15October1582) {
    EXPECT_EQ(JulianDayNumber(1, 1, 2000), 2451545);
    EXPECT_EQ(JulianDayNumber(10, 15, 1582), 2299171);
    EXPECT_EQ(JulianDayNumber(10, 16, 1582), 2299162);
    EXPECT_EQ(JulianDayNumber(1, 1, 1900), 2415021);
    EXPECT_EQ(JulianDayNumber(2, 29, 1900), 2415080);
    EXPECT_EQ(JulianDayNumber(3, 1, 1900), 2415080);
    EXPECT_EQ(JulianDayNumber(12, 31, 2050), 2470172);
}

TEST(J2000DayNumber, CountsFromNoonOfTheEpochWithoutTheCenturyRule) {
    EXPECT_EQ(J2000DayNumber(2000, 1, 1, 12), 0);
    EXPECT_EQ(J2000DayNumber(1947, 8, 15, -5.5), JulianDayNumber(8, 15, 1947) - 2451545 - 0.5 -
                                                     5.5 / 24);
    // One day low in January and February 1900, right from March on.
    EXPECT_EQ(J2000DayNumber(1900, 1, 1, 12), JulianDayNumber(1, 1, 1900) - 2451545 - 1);
    EXPECT_EQ(J2000DayNumber(1900, 3, 1, 12), JulianDayNumber(3, 1, 1900) - 2451545);
}

TEST(ComputeTime, WritesTheThreeDayCounts) {
    ChartResult chart;
    ComputeTime(test::NoonJ2000(), chart);
    EXPECT_EQ(chart.UniversalTimeHours, 12);
    EXPECT_EQ(chart.BirthDayNumber, 2451545);
    EXPECT_EQ(chart.Centuries1900, 1.0);
}

}  // namespace
}  // namespace grahavani
