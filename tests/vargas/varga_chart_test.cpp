#include "vargas/varga_chart.h"

#include <random>

#include <gtest/gtest.h>

#include "chart/sign_box_texts.h"

namespace grahavani {
namespace {

ChartResult ChartAt(double everyLongitude) {
    ChartResult chart;
    chart.Longitudes.fill(everyLongitude);
    chart.PositionTexts[SunBody] = "engine's own";
    chart.LagnaSign = "Ari";
    chart.Retrograde[MercuryBody] = true;
    return chart;
}

TEST(ChartInVarga, PlacesEveryPointAtItsVargaSignAndDegrees) {
    const struct {
        int division;
        double longitude;
        const char* text;  // of every point
        const char* lagna;
        double vargaLongitude;
    } cases[] = {
        {10, 33.5, "05 Aqu 00", "Aqu", 305},       // Taurus, even: from its 9th, Capricorn
        {9, 10.0 / 3, "00 Tau 00", "Tau", 30},     // the second navamsa begins at its boundary
        {60, 359.99, "29 Aqu 24", "Aqu", 329.4},
    };
    for (const auto& c : cases) {
        const ChartResult varga = ChartInVarga(ChartAt(c.longitude), c.division);
        for (std::size_t point = 0; point < BodyCount; ++point) {
            EXPECT_EQ(varga.PositionTexts[point], c.text) << c.division << " " << point;
            EXPECT_NEAR(varga.Longitudes[point], c.vargaLongitude, 1e-6) << c.division;
        }
        EXPECT_EQ(varga.LagnaSign, c.lagna) << c.division;
        EXPECT_TRUE(varga.Retrograde[MercuryBody]);
    }
    const ChartResult rasi = ChartInVarga(ChartAt(33.5), 1);
    EXPECT_EQ(rasi.PositionTexts[SunBody], "engine's own");
    EXPECT_EQ(rasi.LagnaSign, "Ari");
}

// The navamsa's sign boxes come the same from either path.
TEST(ChartInVarga, NinthDivisionBoxesAreTheNavamsas) {
    std::mt19937 random(2020);
    std::uniform_real_distribution<double> anyLongitude(0, 360);
    for (int chart = 0; chart < 20; ++chart) {
        ChartResult birth;
        for (double& longitude : birth.Longitudes) longitude = anyLongitude(random);
        birth.Retrograde[chart % 7] = true;
        EXPECT_EQ(SignBoxTexts(ChartInVarga(birth, 9)), NavamsaSignBoxTexts(birth)) << chart;
    }
}

}  // namespace
}  // namespace grahavani
