#include <gtest/gtest.h>

#include "tests/timing/julian_day.h"
#include "timing/dasha_timeline.h"

namespace grahavani {
namespace {

const double Birth = test::JulianDayUT(1947, 8, 14, 18.5);

// One Moon in every lord's nakshatra and at awkward places, under all three year lengths.
TEST(Vimshottari, PeriodsChainWithoutGapsAndSpanExactlyOneHundredTwentyYears) {
    const struct {
        DashaYear year;
        double days;
    } years[] = {{DashaYear::Julian, 365.25}, {DashaYear::Gregorian, 365.2425},
                 {DashaYear::Savana, 360}};
    const auto rulers = DashaRulers(DashaSystem::Vimshottari);
    for (const auto& year : years) {
        for (double moon : {0.0, 7.3, 19.99, 53.3333, 120.0, 211.875, 300.01, 359.999999}) {
            const DashaTimeline dasha = ComputeDashaTimeline(DashaSystem::Vimshottari, moon, Birth, year.year);
            SCOPED_TRACE(testing::Message() << moon << "° at " << year.days);
            EXPECT_EQ(dasha.YearDays, year.days);
            ASSERT_EQ(dasha.Mahadashas.size(), 9u);
            const auto at = [&](std::int64_t tick) { return dasha.JulianDayAt(tick); };
            EXPECT_LE(at(dasha.Mahadashas[0].StartTick), Birth);
            EXPECT_GT(at(dasha.Mahadashas[0].EndTick), Birth);
            EXPECT_NEAR(at(dasha.Mahadashas[8].EndTick) - at(dasha.Mahadashas[0].StartTick), 120 * year.days, 1e-6);
            for (std::size_t m = 0; m < 9; ++m) {
                const DashaPeriod& period = dasha.Mahadashas[m];
                EXPECT_EQ(period.Ruler, (dasha.Mahadashas[0].Ruler + m) % 9);
                EXPECT_NEAR(at(period.EndTick) - at(period.StartTick), rulers[period.Ruler].Years * year.days, 1e-6);
                for (const DashaPeriod& sub : dasha.SubPeriods(period)) {
                    EXPECT_NEAR(at(sub.EndTick) - at(sub.StartTick),
                                rulers[period.Ruler].Years * rulers[sub.Ruler].Years * year.days / 120, 1e-6);
                }
            }
        }
    }
}

// Balances by hand: the untraversed share of the nakshatra times the lord's years.
TEST(Vimshottari, TheMoonsNakshatraGivesTheFirstLordAndItsBalance) {
    const struct {
        double moon;
        const char* lord;
        double balanceYears;
    } cases[] = {
        {0.0, "Ketu", 7},                        // start of Ashwini: a full period
        {120.0, "Ketu", 7},                      // start of Magha
        {240.0, "Ketu", 7},                      // start of Mula
        {20.0, "Venus", 10},                     // half-way through Bharani
        {360.0 - 40.0 / 3, "Mercury", 17},       // start of Revati
        {110.0, "Mercury", 17 * 0.75},           // a quarter through Ashlesha
        {360.0 - 1e-7, "Mercury", 17 * 7.5e-9},  // the end of Revati: a tiny balance
        {-300.0, "Mars", 7 * 0.5},               // 60°, half-way through Mrigasira
    };
    for (const auto& c : cases) {
        const DashaTimeline dasha = ComputeDashaTimeline(DashaSystem::Vimshottari, c.moon, Birth, DashaYear::Julian);
        const DashaPeriod& first = dasha.Mahadashas[0];
        EXPECT_EQ(DashaRulers(DashaSystem::Vimshottari)[first.Ruler].Lord, c.lord) << c.moon;
        EXPECT_NEAR(dasha.JulianDayAt(first.EndTick) - Birth, c.balanceYears * 365.25, 1e-6) << c.moon;
    }
}

}  // namespace
}  // namespace grahavani
