#include "vargas/varga_chart.h"

#include <gtest/gtest.h>

namespace grahavani {
namespace {

// 33.5° is Taurus 3.5°, whose dasamsa counts from Capricorn: Aquarius 5°. D1 keeps the
// engine's own texts.
TEST(ChartInVarga, PlacesEachPointAtItsVargaSignAndDegrees) {
    ChartResult birth;
    birth.Longitudes[AscendantPoint] = birth.Longitudes[MoonBody] = 33.5;
    birth.PositionTexts[MoonBody] = "03 Tau 30";
    const ChartResult dasamsa = ChartInVarga(birth, 10);
    EXPECT_EQ(dasamsa.PositionTexts[MoonBody], "05 Aqu 00");
    EXPECT_EQ(dasamsa.LagnaSign, "Aqu");
    EXPECT_DOUBLE_EQ(dasamsa.Longitudes[MoonBody], 305);
    EXPECT_EQ(ChartInVarga(birth, 1).PositionTexts[MoonBody], "03 Tau 30");
}

}  // namespace
}  // namespace grahavani
