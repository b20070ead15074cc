#include "timing/dasha_timeline.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/timing/julian_day.h"

namespace grahavani {
namespace {

const double Birth = test::JulianDayUT(1980, 3, 1, 6.25);
constexpr double Nakshatra = 40.0 / 3;

// The Moon's longitude whose Vimshottari balance of Ketu's seven years is the given years.
double KetuMoonFor(double unrunYears) { return Nakshatra * (1 - unrunYears / 7); }

// First ruler and balance, worked by hand from the classical counts.
TEST(DashaTimeline, EntersAtTheMoonsRulerWithItsUnrunPart) {
    const struct {
        DashaSystem system;
        double moon;
        std::string_view lord, yogini;
        int years, months, days;
    } cases[] = {
        {DashaSystem::Vimshottari, 0, "Ketu", "", 7, 0, 0},
        {DashaSystem::Vimshottari, Nakshatra / 2, "Ketu", "", 3, 6, 0},
        {DashaSystem::Vimshottari, Nakshatra - 1e-9, "Ketu", "", 0, 0, 0},
        {DashaSystem::Vimshottari, 23.5 * Nakshatra, "Rahu", "", 9, 0, 0},  // Shatabhisha, half run
        {DashaSystem::Vimshottari, KetuMoonFor(1 + (2 + 29.4 / 30) / 12), "Ketu", "", 1, 2, 29},
        {DashaSystem::Vimshottari, KetuMoonFor(1 + (2 + 29.6 / 30) / 12), "Ketu", "", 1, 3, 0},
        {DashaSystem::Vimshottari, KetuMoonFor(1 + (11 + 29.8 / 30) / 12), "Ketu", "", 2, 0, 0},
        // (number + 3) mod 8: Ashwini 4 Bhramari, Krittika 6 Ulka, Mrigashira 0 Sankata.
        {DashaSystem::Yogini, 0, "Mars", "Bhramari", 4, 0, 0},
        {DashaSystem::Yogini, 2 * Nakshatra, "Saturn", "Ulka", 6, 0, 0},
        {DashaSystem::Yogini, 4.5 * Nakshatra, "Rahu", "Sankata", 4, 0, 0},
        {DashaSystem::Yogini, 5 * Nakshatra, "Moon", "Mangala", 1, 0, 0},
        // Groups counted from Ardra; the Rahu group runs across 0° Aries.
        {DashaSystem::Ashtottari, 5 * Nakshatra, "Sun", "", 6, 0, 0},
        {DashaSystem::Ashtottari, 9 * Nakshatra - 1e-9, "Sun", "", 0, 0, 0},
        {DashaSystem::Ashtottari, 9 * Nakshatra, "Moon", "", 15, 0, 0},
        {DashaSystem::Ashtottari, 0, "Rahu", "", 6, 0, 0},
        {DashaSystem::Ashtottari, 25 * Nakshatra, "Rahu", "", 12, 0, 0},
        {DashaSystem::Ashtottari, 2 * Nakshatra, "Venus", "", 21, 0, 0},
        {DashaSystem::Ashtottari, 19 * Nakshatra, "Saturn", "", 10, 0, 0},
        // Abhijit, inside the Saturn group, adds no arc: 21.6667° of the group's 40° run.
        {DashaSystem::Ashtottari, 275, "Saturn", "", 4, 7, 0},
        {DashaSystem::Ashtottari, 22 * Nakshatra - 1e-9, "Saturn", "", 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << DashaSystemNames[static_cast<std::size_t>(c.system)] << " " << c.moon);
        const DashaTimeline timeline = ComputeDashaTimeline(c.system, c.moon, Birth, DashaYear::Julian);
        const DashaRuler& first = DashaRulers(c.system)[timeline.Mahadashas.front().Ruler];
        EXPECT_EQ(first.Lord, c.lord);
        EXPECT_EQ(first.Yogini, c.yogini);
        EXPECT_EQ(timeline.Balance.Ruler, timeline.Mahadashas.front().Ruler);
        EXPECT_EQ(timeline.Balance.Years, c.years);
        EXPECT_EQ(timeline.Balance.Months, c.months);
        EXPECT_EQ(timeline.Balance.Days, c.days);
        const double unrunDays = timeline.JulianDayAt(timeline.Mahadashas.front().EndTick) - Birth;
        EXPECT_NEAR(unrunDays, (c.years * 360 + c.months * 30 + c.days) * 365.25 / 360, 1.0);
    }
}

// Counts every period to the deepest level and checks that each level tiles the one above.
std::size_t CountTiled(const DashaTimeline& timeline, const DashaPeriod& period, std::array<std::size_t, 5>& counts) {
    ++counts[period.Level - 1];
    const DashaSubPeriods subs = timeline.SubPeriods(period);
    if (period.Level == DeepestDashaLevel) return subs.Count;
    std::int64_t tick = period.StartTick;
    for (const DashaPeriod& sub : subs) {
        EXPECT_EQ(sub.StartTick, tick);
        EXPECT_GT(sub.EndTick, sub.StartTick);
        tick = sub.EndTick;
        CountTiled(timeline, sub, counts);
    }
    EXPECT_EQ(tick, period.EndTick);
    EXPECT_EQ(subs.Periods[0].Ruler, period.Ruler);
    return subs.Count;
}

TEST(DashaTimeline, LevelsTileTheirPeriodsToThePranaDasha) {
    const struct {
        DashaSystem system;
        double moon;
        std::size_t mahadashas;
        double firstYears;  // whole cycles end on whole years from the first start
    } cases[] = {
        {DashaSystem::Vimshottari, 211.875, 9, 16},
        {DashaSystem::Yogini, 17.2, 27, 5},
        {DashaSystem::Ashtottari, 100, 10, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(DashaSystemNames[static_cast<std::size_t>(c.system)]);
        const DashaTimeline timeline = ComputeDashaTimeline(c.system, c.moon, Birth, DashaYear::Savana);
        ASSERT_EQ(timeline.Mahadashas.size(), c.mahadashas);
        EXPECT_LE(timeline.JulianDayAt(timeline.Mahadashas.front().StartTick), Birth);
        EXPECT_LT(timeline.JulianDayAt(timeline.Mahadashas.back().StartTick), Birth + 120 * 360);
        EXPECT_EQ(timeline.Mahadashas.front().EndTick, c.firstYears * timeline.TicksPerYear());
        std::array<std::size_t, 5> counts{};
        for (std::size_t m = 0; m < timeline.Mahadashas.size(); ++m) {
            if (m > 0) {
                EXPECT_EQ(timeline.Mahadashas[m].StartTick, timeline.Mahadashas[m - 1].EndTick);
            }
            CountTiled(timeline, timeline.Mahadashas[m], counts);
        }
        const std::size_t perLevel = DashaRulers(c.system).size();
        for (std::size_t level = 1; level < counts.size(); ++level) {
            EXPECT_EQ(counts[level], counts[level - 1] * perLevel);
        }
    }
}

TEST(DashaTimeline, RunningHoldsAPeriodsStartAndNotItsEnd) {
    const DashaTimeline timeline = ComputeDashaTimeline(DashaSystem::Vimshottari, 211.875, Birth, DashaYear::Julian);
    const DashaPeriod& second = timeline.Mahadashas[1];
    const DashaSubPeriods antardashas = timeline.SubPeriods(second);
    const double boundary = timeline.JulianDayAt(antardashas.Periods[3].StartTick);
    const auto at = timeline.RunningAt(boundary);
    const auto before = timeline.RunningAt(boundary - 1.0 / 86400);
    ASSERT_TRUE(at && before);
    EXPECT_EQ((*at)[1].StartTick, antardashas.Periods[3].StartTick);
    EXPECT_EQ((*at)[4].StartTick, antardashas.Periods[3].StartTick);
    EXPECT_EQ((*before)[1].EndTick, antardashas.Periods[3].StartTick);
    EXPECT_EQ((*before)[4].EndTick, antardashas.Periods[3].StartTick);
    for (std::size_t level = 0; level < at->size(); ++level) EXPECT_EQ((*at)[level].Level, level + 1);
    EXPECT_FALSE(timeline.RunningAt(timeline.JulianDayAt(timeline.Mahadashas.back().EndTick)));
    EXPECT_FALSE(timeline.RunningAt(timeline.FirstStartJulianDayUT - 1e-3));
}

}  // namespace
}  // namespace grahavani
