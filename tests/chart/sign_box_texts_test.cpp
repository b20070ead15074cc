#include "chart/sign_box_texts.h"

#include <gtest/gtest.h>

namespace grahavani {
namespace {

using Lines = std::vector<std::string>;

ChartResult ChartWithLagna(const std::string& lagna) {
    ChartResult chart;
    chart.LagnaSign = lagna;
    return chart;
}

TEST(SignBoxTexts, LagnaFirstThenBodiesInBodyOrder) {
    ChartResult chart = ChartWithLagna("Lib");
    chart.PositionTexts[1] = "03 Lib 59";  // Chandra
    chart.PositionTexts[0] = "28 Lib 43";  // Surya
    chart.PositionTexts[5] = "26 Gem 39";  // Guru
    chart.PositionTexts[7] = "04 Gem 09";  // Rahu
    chart.PositionTexts[9] = "07 Tau 45";  // the ascendant is shown by "Asc" only
    chart.PositionTexts[10] = "21 Cap 27";  // the midheaven never
    const SignBoxLines boxes = SignBoxTexts(chart);
    EXPECT_EQ(boxes[6], (Lines{"Asc", "Surya", "Chandra"}));
    EXPECT_EQ(boxes[2], (Lines{"Guru", "Rahu"}));
    EXPECT_TRUE(boxes[1].empty());
    EXPECT_TRUE(boxes[9].empty());
    EXPECT_EQ(MarkedLagna(boxes), 6u);
}

TEST(SignBoxTexts, UnknownSignsArePlacedNowhere) {
    ChartResult chart = ChartWithLagna("Xyz");
    chart.PositionTexts[0] = "";           // before any calculation
    chart.PositionTexts[1] = "12 ari 00";  // comparisons are case-sensitive
    chart.PositionTexts[2] = "12 Ar";      // too short to hold a sign
    chart.PositionTexts[3] = "05 Pis 30";
    const SignBoxLines boxes = SignBoxTexts(chart);
    for (std::size_t sign = 0; sign < 11; ++sign) EXPECT_TRUE(boxes[sign].empty()) << sign;
    EXPECT_EQ(boxes[11], (Lines{"Shukra"}));
    EXPECT_EQ(MarkedLagna(boxes), std::nullopt);
}

TEST(SignBoxTexts, FiveBodiesMakeAFiveLineBox) {
    ChartResult chart = ChartWithLagna("Pis");
    for (std::size_t body = 2; body <= 6; ++body) chart.PositionTexts[body] = "10 Can 10";
    EXPECT_EQ(SignBoxTexts(chart)[3], (Lines{"Budha", "Shukra", "Mangala", "Guru", "Shani"}));
    EXPECT_EQ(SignBoxTexts(chart)[11], (Lines{"Asc"}));
}

TEST(SignBoxTexts, RetrogradeBodiesCarryAnR) {
    ChartResult chart = ChartWithLagna("Pis");
    chart.PositionTexts[2] = "10 Can 10";
    chart.PositionTexts[6] = "10 Can 10";
    chart.Retrograde[6] = true;
    EXPECT_EQ(SignBoxTexts(chart)[3], (Lines{"Budha", "Shani R"}));
}

TEST(SignBoxTexts, HindiAndTamilNameTheLagnaTheBodiesAndTheRetrogradeMark) {
    ChartResult chart = ChartWithLagna("Pis");
    chart.PositionTexts[2] = "10 Can 10";
    chart.PositionTexts[6] = "10 Can 10";
    chart.Retrograde[6] = true;
    const struct {
        Language language;
        Lines cancer;
        std::string lagna;
    } rows[] = {
        {Language::Hindi, {"\u092C\u0941\u0927", "\u0936\u0928\u093F (\u0935)"}, "\u0932\u0917\u094D\u0928"},
        {Language::Tamil, {"\u0BAA\u0BC1\u0BA4\u0BA9\u0BCD", "\u0B9A\u0BA9\u0BBF (\u0BB5)"},
         "\u0BB2\u0B95\u0BCD\u0BA9\u0BAE\u0BCD"},
    };
    for (const auto& row : rows) {
        const SignBoxLines boxes = SignBoxTexts(chart, row.language);
        EXPECT_EQ(boxes[3], row.cancer);
        EXPECT_EQ(boxes[11], Lines{row.lagna});
        EXPECT_EQ(MarkedLagna(boxes, row.language), 11u);
        EXPECT_EQ(MarkedLagna(boxes), std::nullopt);
    }
}

}  // namespace
}  // namespace grahavani
