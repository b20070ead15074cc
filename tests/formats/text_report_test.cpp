#include "formats/text_report.h"

#include <gtest/gtest.h>

#include "chart/compute_chart.h"
#include "tests/chart/test_births.h"

namespace grahavani {
namespace {

TEST(BuildTextReport, Delhi1947ByteForByte) {
    const BirthRecord birth = test::Delhi1947();
    ChartResult chart;
    ComputeChart(birth, chart);
    std::string expected =
        "Name: Asha Rao\r\n"
        "Date of Birth: August 15, 1947\r\n"
        "Time of Birth: 0 Hour 0 Minute\r\n"
        "Latitude: 28 Degree 39 Minute \r\n"
        "Longitude: 77 Degree 13 Minute \r\n"
        "City: New Delhi\r\n"
        "State: Delhi\r\n"
        "Country: India\r\n"
        "\r\r\n"
        "Planetary Position\r\n";
    for (std::size_t body = 0; body < 9; ++body) {
        const char* names[] = {"Sun", "Moon", "Mercury", "Venus", "Mars",
                               "Jupiter", "Saturn", "Rahu", "Ketu"};
        expected += std::string(names[body]) + " " + chart.PositionTexts[body] + "\r\n";
    }
    expected += "\r\r\nAyanamsa: 23\xB0 7' 21\"\r\n";
    expected += "Lagna / Asc: Vrishabha\r\n";
    expected += "Nakshatra: " + chart.MoonNakshatra + "\r\n";
    expected += "Rashi / Moon Sign: " + chart.MoonRashi + "\r\n";
    expected += "Pada: " + chart.NakshatraPada + "\r\n";
    expected += "Lord: " + chart.NakshatraLord + "\r\n";
    EXPECT_EQ(BuildTextReport(birth, chart), expected);
}

TEST(BuildTextReport, NoLeadingZerosAndEmptyPlaces) {
    BirthRecord birth = test::Delhi1947();
    birth.Day = 5;
    birth.Month = 3;
    birth.Year = 1990;
    birth.Hour = 7;
    birth.Minute = 5;
    birth.City = birth.State = birth.Country = "";
    const std::string report = BuildTextReport(birth, ChartResult{});
    EXPECT_NE(report.find("\r\nDate of Birth: March 5, 1990\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\nTime of Birth: 7 Hour 5 Minute\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\nCity: \r\nState: \r\nCountry: \r\n"), std::string::npos);
}

TEST(BuildTextReport, WindowsCodePageWithQuestionMarksForTheRest) {
    BirthRecord birth = test::Delhi1947();
    birth.Name = "Jos\u00E9 \u0930\u093E\u092E \u20AC";
    const std::string report = BuildTextReport(birth, ChartResult{});
    EXPECT_EQ(report.substr(0, report.find("\r\n")), "Name: Jos\xE9 ??? \x80");
}

}  // namespace
}  // namespace grahavani
