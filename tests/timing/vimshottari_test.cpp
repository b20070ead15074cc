#include "timing/vimshottari.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/timing/julian_day.h"

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
    for (const auto& year : years) {
        for (double moon : {0.0, 7.3, 19.99, 53.3333, 120.0, 211.875, 300.01, 359.999999}) {
            const Vimshottari dasha = ComputeVimshottari(moon, Birth, year.year);
            SCOPED_TRACE(testing::Message() << moon << "° at " << year.days);
            EXPECT_EQ(dasha.YearDays, year.days);
            EXPECT_LE(dasha.Periods[0].StartJulianDayUT, Birth);
            EXPECT_GT(dasha.Periods[0].EndJulianDayUT, Birth);
            EXPECT_NEAR(dasha.Periods[8].EndJulianDayUT - dasha.Periods[0].StartJulianDayUT,
                        120 * year.days, 1e-6);
            const auto first = std::find(DashaLords.begin(), DashaLords.end(), dasha.Periods[0].Lord);
            ASSERT_NE(first, DashaLords.end());
            for (std::size_t m = 0; m < 9; ++m) {
                const Mahadasha& period = dasha.Periods[m];
                const std::size_t lord = (static_cast<std::size_t>(first - DashaLords.begin()) + m) % 9;
                EXPECT_EQ(period.Lord, DashaLords[lord]);
                if (m > 0) {
                    EXPECT_EQ(period.StartJulianDayUT, dasha.Periods[m - 1].EndJulianDayUT);
                }
                EXPECT_NEAR(period.EndJulianDayUT - period.StartJulianDayUT,
                            DashaLordYears[lord] * year.days, 1e-6);
                EXPECT_EQ(period.Antardashas[0].StartJulianDayUT, period.StartJulianDayUT);
                EXPECT_EQ(period.Antardashas[8].EndJulianDayUT, period.EndJulianDayUT);
                for (std::size_t a = 0; a < 9; ++a) {
                    const AntardashaPeriod& sub = period.Antardashas[a];
                    EXPECT_EQ(sub.Lord, DashaLords[(lord + a) % 9]);
                    if (a > 0) {
                        EXPECT_EQ(sub.StartJulianDayUT, period.Antardashas[a - 1].EndJulianDayUT);
                    }
                    EXPECT_NEAR(sub.EndJulianDayUT - sub.StartJulianDayUT,
                                DashaLordYears[lord] * DashaLordYears[(lord + a) % 9] * year.days / 120,
                                1e-6);
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
        const Vimshottari dasha = ComputeVimshottari(c.moon, Birth, DashaYear::Julian);
        const Mahadasha& first = dasha.Periods[0];
        EXPECT_EQ(first.Lord, c.lord) << c.moon;
        EXPECT_NEAR(first.EndJulianDayUT - Birth, c.balanceYears * 365.25, 1e-6) << c.moon;
    }
}

}  // namespace
}  // namespace grahavani
