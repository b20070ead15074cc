#include "engines/classic/moon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "model/vedic_names.h"
#include "tests/chart/test_births.h"

namespace grahavani {
namespace {

TEST(MoonAyanamsaCorrection, AtJ2000) {
    const double expected = -(85886.27 - 17.23 * std::sin(125.044555 * 0.0174532925199433) -
                              1.27 * std::sin(280.466449 * 0.0174532925199433)) / 3600;
    EXPECT_DOUBLE_EQ(MoonAyanamsaCorrection(0), expected);
    EXPECT_NEAR(expected, -23.8537, 1e-4);
}

TEST(ComputeMoon, WritesTextNakshatraAndRashiThatAgree) {
    ChartResult chart;
    ComputeMoon(test::NoonJ2000(), chart);
    // The Moon stood near 223.3° tropical at J2000, so about 199.5° sidereal: Swati, just short of 200°.
    EXPECT_EQ(chart.MoonPositionText.substr(chart.MoonPositionText.size() - 3), "Lib");
    EXPECT_EQ(chart.MoonRashi, "Thula");
    EXPECT_EQ(chart.MoonNakshatra, "Swati");
}

TEST(ComputeMoon, EveryNakshatraAndRashiOverAMonth) {
    // The Moon crosses every nakshatra and sign within 28 days.
    std::set<std::string> nakshatras, rashis;
    BirthRecord b = test::NoonJ2000();
    for (int day = 1; day <= 28; ++day) {
        for (int hour = 0; hour < 24; hour += 3) {
            b.Day = static_cast<std::int16_t>(day);
            b.Hour = static_cast<std::int16_t>(hour);
            ChartResult chart;
            ComputeMoon(b, chart);
            nakshatras.insert(chart.MoonNakshatra);
            rashis.insert(chart.MoonRashi);
        }
    }
    EXPECT_EQ(nakshatras.size(), NakshatraNames.size());
    EXPECT_EQ(rashis.size(), RashiNames.size());
    EXPECT_TRUE(rashis.count("Dhanus"));
    EXPECT_TRUE(rashis.count("Vrishcika"));
}

}  // namespace
}  // namespace grahavani
