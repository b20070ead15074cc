#include "engines/precise/sunrise.h"

#include <gtest/gtest.h>
#include <swephexp.h>

#include <array>
#include <cmath>
#include <string_view>
#include <limits>

#include "chart/chart_timing.h"
#include "chart/compute_chart.h"
#include "engines/precise/birth_instant.h"
#include "engines/precise/thread_ephemeris.h"
#include "tests/chart/test_births.h"
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
        const SunriseSearch sunrise = FindSunrise(c.date, c.offsetSeconds, c.latitude, c.longitude, SunriseRule::ApparentLimb);
        ASSERT_TRUE(sunrise.JulianDayUT) << sunrise.Reason;
        EXPECT_TRUE(sunrise.Reason.empty());
        EXPECT_NEAR(*sunrise.JulianDayUT, c.expectedJulianDayUT, 0.2 / 86400) << c.latitude;
    }
}

// The library's own search, from local midnight as FindSunrise's contract says, with the flags
// that give the rule: standard atmosphere, sea level. None where its first rise is on a later day.
std::optional<double> LibrarySunrise(date::year_month_day day, int offsetSeconds, double latitude,
                                     double longitude, SunriseRule rule = SunriseRule::ApparentLimb) {
    const int flags[] = {0, SE_BIT_DISC_CENTER, SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION};
    PrepareEphemerisThread();
    const double midnight = test::JulianDayUT(int(day.year()), unsigned(day.month()),
                                              unsigned(day.day())) - offsetSeconds / 86400.0;
    double geographic[3] = {longitude, latitude, 0};
    double rise[10] = {};
    char error[AS_MAXCH] = {};
    const int status = swe_rise_trans(midnight, SE_SUN, nullptr, SEFLG_SWIEPH,
                                      SE_CALC_RISE | flags[static_cast<int>(rule)],
                                      geographic, 1013.25, 15, rise, error);
    if (status != 0 || rise[0] >= midnight + 1) return std::nullopt;
    return rise[0];
}

// Every latitude where the Sun rises, through the year and the centuries, on clocks near and
// far from solar time (Kashgar keeps Beijing's +8:00), and a clock that puts the rise near
// midnight: under each rule within a second of the library's rise function with the rule's
// flags, and "none" on the same days.
TEST(FindSunrise, AgreesWithTheLibrarysSearch) {
    const date::year_month_day days[] = {1900_y / 3 / 21, 1900_y / 12 / 22, 1947_y / 8 / 15,
                                         2000_y / 6 / 21, 2024_y / 1 / 1,   2024_y / 9 / 23,
                                         2050_y / 6 / 21, 2050_y / 12 / 21, 2050_y / 4 / 30};
    const struct {
        int offsetSeconds;
        double longitude;
    } clocks[] = {{19800, 77.2167}, {28800, 75.99}, {-18000, -74.006}, {0, 0}, {-36000, 150}};
    const double latitudes[] = {-69, -67.5, -66, -60, -45, -20, 0, 20, 45, 60, 64, 66, 67.5, 69};
    for (const SunriseRule rule : {SunriseRule::ApparentLimb, SunriseRule::ApparentCentre, SunriseRule::TrueCentre}) {
        SCOPED_TRACE(SunriseRuleName(rule));
        int compared = 0;
        for (const auto& day : days) {
            for (const auto& clock : clocks) {
                for (const double latitude : latitudes) {
                    const SunriseSearch found =
                        FindSunrise(day, clock.offsetSeconds, latitude, clock.longitude, rule);
                    const std::optional<double> expected =
                        LibrarySunrise(day, clock.offsetSeconds, latitude, clock.longitude, rule);
                    ASSERT_EQ(found.JulianDayUT.has_value(), expected.has_value())
                        << latitude << " " << clock.longitude << " " << int(day.year()) << "-"
                        << unsigned(day.month()) << "-" << unsigned(day.day());
                    if (!expected) continue;
                    ++compared;
                    EXPECT_NEAR(*found.JulianDayUT, *expected, 1 / 86400.0)
                        << latitude << " " << clock.longitude << " " << int(day.year()) << "-"
                        << unsigned(day.month()) << "-" << unsigned(day.day());
                }
            }
        }
        EXPECT_GT(compared, 500);
    }
}

// Near a pole the Sun rises once a year, near the March equinox in the north and the
// September one in the south, at any hour at the pole itself (where cos latitude is 0).
// The days are those where the library's search finds the rise; the days either side have
// none. Kashgar-like clocks far from solar time put the rise just after local midnight.
TEST(FindSunrise, FindsTheOneSunriseOfTheYearNearThePoles) {
    const struct {
        date::year_month_day date;
        int offsetSeconds;
        double latitude, longitude;
    } cases[] = {
        {2024_y / 3 / 18, 0, 90, 0},
        {2024_y / 3 / 18, 0, 89 + 59 / 60.0, 0},
        {1900_y / 3 / 19, 0, 89 + 59 / 60.0, 0},
        {2050_y / 3 / 19, 50400, 89.95, 179},
        {2024_y / 9 / 20, 0, -90, 0},
        {2050_y / 9 / 20, 0, -90, 0},
        {1947_y / 9 / 22, 19800, -90, 77.2167},
        {2024_y / 9 / 21, 50400, -(89 + 59 / 60.0), 179},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.latitude << " " << int(c.date.year()) << "-"
                                        << unsigned(c.date.month()) << "-" << unsigned(c.date.day()));
        const std::optional<double> expected =
            LibrarySunrise(c.date, c.offsetSeconds, c.latitude, c.longitude);
        const SunriseSearch found = FindSunrise(c.date, c.offsetSeconds, c.latitude, c.longitude, SunriseRule::ApparentLimb);
        ASSERT_TRUE(expected);
        ASSERT_TRUE(found.JulianDayUT) << found.Reason;
        EXPECT_NEAR(*found.JulianDayUT, *expected, 1 / 86400.0);
        for (const date::days step : {date::days{-1}, date::days{1}}) {
            const date::year_month_day neighbour{date::sys_days{c.date} + step};
            EXPECT_FALSE(LibrarySunrise(neighbour, c.offsetSeconds, c.latitude, c.longitude));
            EXPECT_FALSE(FindSunrise(neighbour, c.offsetSeconds, c.latitude, c.longitude, SunriseRule::ApparentLimb).JulianDayUT);
        }
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
        const SunriseSearch sunrise = FindSunrise(c.date, 3600, c.latitude, c.longitude, SunriseRule::ApparentLimb);
        EXPECT_FALSE(sunrise.JulianDayUT) << c.latitude;
        EXPECT_EQ(sunrise.Reason, c.reason);
    }
}

// Each rule against the library's rise search with the rule's flags, as it is called: the
// equator, 60° N and S at an equinox and both solstices, 66° by the polar circles, and either
// side of the date line.
TEST(FindSunrise, EachRuleAgreesWithTheLibraryWithinASecond) {
    const struct {
        double latitude, longitude;
        int offsetSeconds;
    } places[] = {{0, 0, 0},        {60, 24.94, 7200},    {-60, -45, -10800},   {66, 25, 7200},
                  {-66, 140, 36000}, {-17, 179.9, 43200}, {-14, -179.9, -39600}};
    const date::year_month_day days[] = {2024_y / 3 / 20, 2024_y / 6 / 20, 2024_y / 12 / 21};
    for (const SunriseRule rule : {SunriseRule::ApparentLimb, SunriseRule::ApparentCentre, SunriseRule::TrueCentre}) {
        for (const auto& place : places) {
            for (const auto& day : days) {
                SCOPED_TRACE(testing::Message() << SunriseRuleName(rule) << " " << place.latitude << " "
                                                << place.longitude << " " << unsigned(day.month()));
                const std::optional<double> expected =
                    LibrarySunrise(day, place.offsetSeconds, place.latitude, place.longitude, rule);
                const SunriseSearch found =
                    FindSunrise(day, place.offsetSeconds, place.latitude, place.longitude, rule);
                ASSERT_EQ(found.JulianDayUT.has_value(), expected.has_value());
                if (expected) {
                    EXPECT_NEAR(*found.JulianDayUT, *expected, 1 / 86400.0);
                }
            }
        }
    }
}

// The sunset and the local apparent midnight, at places from the equator to the polar circles
// through the year, within two seconds of the library's own searches.
TEST(FindSunsetAfter, AgreesWithTheLibrarysSetAndLowerTransit) {
    const double places[][2] = {{0, 0}, {28.65, 77.22}, {60, 24.94}, {-60, -45}, {66, 25}, {-45, 170}};
    const date::year_month_day days[] = {1905_y / 1 / 5, 2024_y / 3 / 20, 2024_y / 6 / 20, 2049_y / 12 / 21};
    PrepareEphemerisThread();
    for (const auto& [latitude, longitude] : places) {
        for (const auto& day : days) {
            SCOPED_TRACE(testing::Message() << latitude << " " << int(day.year()) << "-" << unsigned(day.month()));
            const double from = test::JulianDayUT(int(day.year()), unsigned(day.month()), unsigned(day.day()));
            double geographic[3] = {longitude, latitude, 0};
            double event[10] = {};
            char error[AS_MAXCH] = {};
            const int setStatus = swe_rise_trans(from, SE_SUN, nullptr, SEFLG_SWIEPH, SE_CALC_SET, geographic,
                                                 1013.25, 15, event, error);
            const std::optional<double> set = FindSunsetAfter(from, latitude, longitude, SunriseRule::ApparentLimb);
            const bool libraryFindsOne = setStatus == 0 && event[0] < from + 1;
            ASSERT_EQ(set.has_value(), libraryFindsOne);
            if (set) {
                EXPECT_NEAR(*set, event[0], 2 / 86400.0);
            }
            ASSERT_EQ(swe_rise_trans(from - 0.5, SE_SUN, nullptr, SEFLG_SWIEPH, SE_CALC_ITRANSIT, geographic,
                                     1013.25, 15, event, error), 0);
            EXPECT_NEAR(FindLowerTransitNear(from, longitude), event[0], 2 / 86400.0);
        }
    }
}

// Births in New Delhi on Friday 15 August 1947 in the first whole minute after one rule's
// sunrise: that rule and the earlier ones give Friday, the later ones still Thursday.
TEST(FindSunrise, EachRuleBeginsItsOwnVara) {
    const BirthRecord delhi = test::Delhi1947();
    const double midnight = test::JulianDayUT(1947, 8, 15, 0) - 19800 / 86400.0;
    const struct {
        SunriseRule bornAfter;
        std::array<std::string_view, 3> vara;  // in SunriseRule order
    } cases[] = {{SunriseRule::ApparentLimb, {"Friday", "Thursday", "Thursday"}},
                 {SunriseRule::ApparentCentre, {"Friday", "Friday", "Thursday"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(SunriseRuleName(c.bornAfter));
        const SunriseSearch sunrise = FindSunrise(1947_y / 8 / 15, 19800, NorthLatitude(delhi),
                                                  EastLongitude(delhi), c.bornAfter);
        ASSERT_TRUE(sunrise.JulianDayUT);
        const int minute = static_cast<int>(std::ceil((*sunrise.JulianDayUT - midnight) * 1440));
        BirthRecord birth = delhi;
        birth.Hour = static_cast<std::int16_t>(minute / 60);
        birth.Minute = static_cast<std::int16_t>(minute % 60);
        ChartResult chart;
        ComputeChart(birth, chart);
        for (const SunriseRule rule : {SunriseRule::ApparentLimb, SunriseRule::ApparentCentre, SunriseRule::TrueCentre}) {
            EXPECT_EQ(ComputeChartTiming(birth, chart, DashaYear::Julian, rule).Panchang.Vara,
                      c.vara[static_cast<std::size_t>(rule)])
                << SunriseRuleName(rule);
        }
    }
}

}  // namespace
}  // namespace grahavani
