#include "engines/classic/ascendant.h"

#include <gtest/gtest.h>

#include "tests/chart/test_births.h"

namespace grahavani {
namespace {

TEST(AyanamsaCorrection, IsNegativeOverTheWholeRangeOfTheForm) {
    EXPECT_NEAR(AyanamsaCorrection(1.0), -23.853991, 1e-6);
    EXPECT_NEAR(AyanamsaCorrection((2415021 - 2415020 - 0.5) / 36525.0), -22.466, 1e-3);
    EXPECT_NEAR(AyanamsaCorrection((2470172 - 2415020 + 0.5) / 36525.0), -24.573, 1e-3);
}

TEST(ComputeAscendant, NoonJ2000AtGreenwich) {
    ChartResult chart;
    ComputeAscendant(test::NoonJ2000(), chart);
    EXPECT_EQ(chart.AyanamsaText, "-23\u00B0 51' 14\"");
    EXPECT_EQ(chart.AscendantText, "17\u00B0 31' 26\" Pis");
    EXPECT_EQ(chart.MidheavenText, "15\u00B0 45' 37\" Sag");
    EXPECT_NEAR(chart.AscendantDegrees, 11.378149 - 23.853991 + 360, 1e-5);
    EXPECT_NEAR(chart.MidheavenDegrees, 279.614477 - 23.853991, 1e-5);
}

TEST(ComputeAscendant, Delhi1947) {
    ChartResult chart;
    ComputeAscendant(test::Delhi1947(), chart);
    EXPECT_EQ(chart.UniversalTimeHours, -5.5);
    EXPECT_NEAR(chart.AyanamsaCorrection, -23.122552, 1e-6);
    EXPECT_EQ(chart.AscendantText, "7\u00B0 45' 43\" Tau");
    EXPECT_EQ(chart.MidheavenText, "21\u00B0 27' 50\" Cap");
}

TEST(ComputeAscendant, StaysFiniteAtThePoles) {
    for (const bool south : {false, true}) {
        BirthRecord b = test::Delhi1947();
        b.LatitudeDegrees = 90;
        b.LatitudeMinutes = 0;
        b.IsSouth = south;
        ChartResult chart;
        ComputeAscendant(b, chart);
        EXPECT_GE(chart.AscendantDegrees, 0);
        EXPECT_LT(chart.AscendantDegrees, 360);
    }
}

}  // namespace
}  // namespace grahavani
