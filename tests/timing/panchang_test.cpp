#include "timing/panchang.h"

#include <gtest/gtest.h>

#include "tests/timing/julian_day.h"

namespace grahavani {
namespace {

const double Noon = test::JulianDayUT(2024, 1, 1, 12);

// Each tithi is 12° of the Moon's lead over the Sun, each karana half of one.
TEST(Panchang, TithiAndKaranaFollowTheMoonsLeadOverTheSun) {
    const struct {
        double sun, moon;
        int tithi;
        const char* name;
        const char* paksha;
        const char* karana;
    } cases[] = {
        {100, 100, 1, "Shukla Pratipada", "Shukla", "Kimstughna"},  // new moon, k = 0
        {100, 106, 1, "Shukla Pratipada", "Shukla", "Bava"},        // k = 1
        {350, 1.9999, 1, "Shukla Pratipada", "Shukla", "Bava"},
        {350, 2, 2, "Shukla Dwitiya", "Shukla", "Balava"},
        {10, 52, 4, "Shukla Chaturthi", "Shukla", "Vishti"},  // k = 7
        {10, 58, 5, "Shukla Panchami", "Shukla", "Bava"},     // k = 8, the round again
        {0, 179.9999, 15, "Purnima", "Shukla", "Bava"},          // k = 29
        {0, 180, 16, "Krishna Pratipada", "Krishna", "Balava"},  // full moon, k = 30
        {200, 176.5, 29, "Krishna Chaturdashi", "Krishna", "Vishti"},  // k = 56
        {0, 342, 29, "Krishna Chaturdashi", "Krishna", "Shakuni"},   // k = 57
        {0, 348, 30, "Amavasya", "Krishna", "Chatushpada"},         // k = 58
        {0, 354, 30, "Amavasya", "Krishna", "Naga"},                // k = 59
        {100, 99.9999999, 30, "Amavasya", "Krishna", "Naga"},
    };
    for (const auto& c : cases) {
        const Panchang p = ComputePanchang(c.sun, c.moon, Noon, 0, std::nullopt);
        SCOPED_TRACE(testing::Message() << c.sun << " " << c.moon);
        EXPECT_EQ(p.TithiNumber, c.tithi);
        EXPECT_EQ(p.Tithi, c.name);
        EXPECT_EQ(p.Paksha, c.paksha);
        EXPECT_EQ(p.Karana, c.karana);
    }
}

// Each yoga is 13°20' of the sidereal sum of the two longitudes.
TEST(Panchang, YogaFollowsTheSumOfSunAndMoon) {
    const struct {
        double sun, moon;
        int number;
        const char* name;
    } cases[] = {
        {0, 0, 1, "Vishkumbha"},        {200, 160, 1, "Vishkumbha"},
        {10, 3.3333, 1, "Vishkumbha"},  {10, 3.33334, 2, "Priti"},
        {100, 100, 16, "Siddhi"},       {300, 46.6666667, 27, "Vaidhriti"},
        {180, 179.9999, 27, "Vaidhriti"},
    };
    for (const auto& c : cases) {
        const Panchang p = ComputePanchang(c.sun, c.moon, Noon, 0, std::nullopt);
        EXPECT_EQ(p.YogaNumber, c.number) << c.sun << " " << c.moon;
        EXPECT_EQ(p.Yoga, c.name) << c.sun << " " << c.moon;
    }
}

// 1 January 2024 was a Monday. Indian time, sunrise taken as 07:14 local.
TEST(Panchang, VaraRunsFromSunriseToSunrise) {
    const int india = 19800;
    const auto local = [&](unsigned day, double hours) {
        return test::JulianDayUT(2024, 1, day, hours - 5.5);
    };
    const double sunrise = local(1, 7 + 14.0 / 60);
    const struct {
        double birth;
        std::optional<double> sunrise;
        const char* vara;
    } cases[] = {
        {local(1, 4), sunrise, "Sunday"},     // before sunrise: still the previous day
        {local(1, 7.2), sunrise, "Sunday"},
        {local(1, 7.25), sunrise, "Monday"},
        {local(1, 23.99), sunrise, "Monday"},
        {local(1, 0.01), std::nullopt, "Monday"},  // no sunrise: the civil weekday
        {local(6, 12), local(6, 7.25), "Saturday"},
        {local(7, 3), local(7, 7.25), "Saturday"},
    };
    for (const auto& c : cases) {
        const Panchang p = ComputePanchang(0, 0, c.birth, india, c.sunrise);
        EXPECT_EQ(p.Vara, c.vara) << c.birth;
        EXPECT_EQ(p.SunriseJulianDayUT, c.sunrise);
    }
}

}  // namespace
}  // namespace grahavani
