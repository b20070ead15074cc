#include "texts/position_texts.h"

#include <gtest/gtest.h>

namespace grahavani {
namespace {

TEST(FormatSignPosition, TruncatesDegreesMinutesAndSeconds) {
    EXPECT_EQ(FormatSignPosition(45.5), "15\u00B0 30' 0\" Tau");
    EXPECT_EQ(FormatSignPosition(0), "0\u00B0 0' 0\" Ari");
    EXPECT_EQ(FormatSignPosition(359.99999), "29\u00B0 59' 59\" Pis");
    EXPECT_EQ(FormatSignPosition(10.1), "10\u00B0 5' 59\" Ari");
    EXPECT_EQ(FormatSignPosition(-45.5), "15\u00B0 30' 0\" Tau");
    // 360 is sign 12, which has no abbreviation.
    EXPECT_EQ(FormatSignPosition(360), "0\u00B0 0' 0\" ");
}

TEST(FormatAyanamsa, KeepsTheSignOfWholeDegreesOnly) {
    EXPECT_EQ(FormatAyanamsa(-23.853991), "-23\u00B0 51' 14\"");
    EXPECT_EQ(FormatAyanamsa(-0.5), "0\u00B0 30' 0\"");
    EXPECT_EQ(FormatAyanamsa(1.25), "1\u00B0 15' 0\"");
}

TEST(ShortPosition, TwoDigitDegreesSignAndMinutes) {
    EXPECT_EQ(ShortPosition(FormatSignPosition(45.5)), "15 Tau 30");
    EXPECT_EQ(ShortPosition(FormatSignPosition(33.25)), "03 Tau 15");
    EXPECT_EQ(ShortPosition(FormatSignPosition(10.1)), "10 Ari 05");
    EXPECT_EQ(ShortPosition(FormatSignPosition(0)), "00 Ari 00");
    EXPECT_EQ(ShortPosition("  7\u00B0 45' 43\" Tau  "), "07 Tau 45");
}

TEST(BuildPositionTexts, FillsSlotsInBodyOrderAndLeavesSlot11) {
    ChartResult chart;
    chart.PlanetTexts = {"1\u00B0 2' 3\" Ari", "4\u00B0 5' 6\" Tau", "7\u00B0 8' 9\" Gem",
                         "10\u00B0 11' 12\" Can", "13\u00B0 14' 15\" Leo", "16\u00B0 17' 18\" Vir"};
    chart.MoonPositionText = "19\u00B0 20' 21\" Lib";
    chart.RahuText = "22\u00B0 23' 24\" Sco";
    chart.KetuText = "22\u00B0 23' 24\" Tau";
    chart.AscendantText = "25\u00B0 26' 27\" Sag";
    chart.MidheavenText = "28\u00B0 29' 30\" Cap";
    chart.PositionTexts[11] = "untouched";
    BuildPositionTexts(chart);
    const std::array<std::string, 12> expected = {
        "07 Gem 08", "19 Lib 20", "01 Ari 02", "04 Tau 05", "10 Can 11", "13 Leo 14",
        "16 Vir 17", "22 Sco 23", "22 Tau 23", "25 Sag 26", "28 Cap 29", "untouched"};
    EXPECT_EQ(chart.PositionTexts, expected);
}

}  // namespace
}  // namespace grahavani
