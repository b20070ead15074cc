#include "model/reference_tables.h"

#include <gtest/gtest.h>

#include <set>

#include "model/vedic_names.h"

namespace grahavani {
namespace {

TEST(TimeZoneList, SeventyOneRowsFromAlaskaToYukon) {
    ASSERT_EQ(TimeZoneList.size(), 71u);
    EXPECT_EQ(TimeZoneList.front().displayText, "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(TimeZoneList.back().displayText, "Yukon War Time,YWT,-8.0");
    EXPECT_EQ(TimeZoneList[34].displayText, "Indian Time, IST, +5.3");
    EXPECT_EQ(TimeZoneHours(34), -5);
    EXPECT_EQ(TimeZoneMinutes(34), -30);
    EXPECT_EQ(TimeZoneHours(50), 3);  // Newfoundland, -3.5
    EXPECT_EQ(TimeZoneMinutes(50), 30);
    EXPECT_EQ(TimeZoneHours(52), -6);  // North Sumatra, +6.5
    EXPECT_EQ(TimeZoneMinutes(52), -30);
}

TEST(SignNakshatraTable, LordsCycleAndPadasAddUpToNinePerSign) {
    const char* lords[] = {"Ketu", "Venus", "Sun", "Moon", "Mars",
                           "Rahu", "Jupiter", "Saturn", "Mercury"};
    std::size_t nakshatra = 0;
    for (std::size_t row = 0; row < SignNakshatraTable.size(); ++row) {
        if (row > 0 && SignNakshatraTable[row].nakshatra != SignNakshatraTable[row - 1].nakshatra) {
            ++nakshatra;
        }
        EXPECT_EQ(SignNakshatraTable[row].nakshatra, NakshatraNames[nakshatra]) << row;
        EXPECT_EQ(SignNakshatraTable[row].lord, lords[nakshatra % 9]) << row;
    }
    EXPECT_EQ(nakshatra, 26u);
    for (std::size_t sign = 0; sign < 12; ++sign) {
        int padas = 0;
        for (std::size_t row = 3 * sign; row < 3 * sign + 3; ++row) {
            padas += SignNakshatraTable[row].padasInSign[0] - '0';
        }
        EXPECT_EQ(padas, 9) << sign;
    }
}

TEST(LookupNakshatraLord, TakesTheFirstRowOfEachNakshatra) {
    const char* padas = "441424344441424344441424344";
    for (std::size_t k = 0; k < NakshatraNames.size(); ++k) {
        ChartResult chart;
        chart.MoonNakshatra = NakshatraNames[k];
        LookupNakshatraLord(chart);
        EXPECT_EQ(chart.NakshatraPada, std::string(1, padas[k])) << NakshatraNames[k];
    }
    ChartResult chart;
    chart.MoonNakshatra = "Krittika";
    LookupNakshatraLord(chart);
    EXPECT_EQ(chart.NakshatraLord, "Sun");
    EXPECT_EQ(chart.NakshatraPada, "1");
    chart.MoonNakshatra = "Magha";
    LookupNakshatraLord(chart);
    EXPECT_EQ(chart.NakshatraLord, "Ketu");
    chart.MoonNakshatra = "Revati";
    LookupNakshatraLord(chart);
    EXPECT_EQ(chart.NakshatraLord, "Mercury");
    chart.MoonNakshatra = "Nowhere";
    LookupNakshatraLord(chart);
    EXPECT_EQ(chart.NakshatraLord, "Mercury");  // kept
}

}  // namespace
}  // namespace grahavani
