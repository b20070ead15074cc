#include "formats/text_report.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <vector>

#include "chart/compute_chart.h"
#include "formats/windows1252.h"
#include "tests/chart/test_births.h"
#include "tests/translation/latin_words.h"

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

std::vector<std::string> Lines(const std::string& report) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = report.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(report.substr(start, end - start));
    }
    EXPECT_EQ(start, report.size()) << "the report ends with CR LF";
    return lines;
}

TEST(BuildTextReport, HindiAndTamilOnEveryLagnaAndNakshatra) {
    BirthRecord birth = test::Delhi1947();
    birth.Name = "\u0930\u093E\u092E";  // राम
    birth.City = "\u0B9A\u0BC6\u0BA9\u0BCD\u0BA9\u0BC8";  // சென்னை
    birth.State = birth.Country = "";
    for (const Language language : {Language::Hindi, Language::Tamil}) {
        std::set<std::string> lagnas, nakshatras;
        for (int day = 1; day <= 28; ++day) {
            for (int hour = 0; hour < 24; hour += 2) {
                birth.Day = static_cast<std::int16_t>(day);
                birth.Hour = static_cast<std::int16_t>(hour);
                ChartResult chart;
                ComputeChart(birth, chart);
                const std::string report = BuildTextReport(birth, chart, language);
                ASSERT_NO_THROW((void)nlohmann::json(report).dump()) << "valid UTF-8";
                ASSERT_EQ(report, TextReportText(birth, chart, language));
                const auto lines = Lines(report);
                ASSERT_EQ(lines.size(), 26u);
                EXPECT_EQ(lines[8], "\r");
                EXPECT_EQ(lines[19], "\r");
                EXPECT_TRUE(test::LatinWords(report).empty()) << report;
                lagnas.insert(lines[21]);
                nakshatras.insert(lines[22]);
            }
        }
        EXPECT_EQ(lagnas.size(), 12u);
        EXPECT_EQ(nakshatras.size(), 27u);
    }
    birth = test::Delhi1947();
    ChartResult chart;
    ComputeChart(birth, chart);
    const auto hindi = Lines(BuildTextReport(birth, chart, Language::Hindi));
    EXPECT_EQ(hindi[1], "\u091C\u0928\u094D\u092E \u0924\u093F\u0925\u093F: 15 \u0905\u0917\u0938\u094D\u0924 1947");
    EXPECT_EQ(hindi[10].substr(0, hindi[10].find(' ')), "\u0938\u0942\u0930\u094D\u092F");  // सूर्य
    const auto tamil = Lines(BuildTextReport(birth, chart, Language::Tamil));
    EXPECT_EQ(tamil[21], "\u0BB2\u0B95\u0BCD\u0BA9\u0BAE\u0BCD: \u0BB0\u0BBF\u0BB7\u0BAA\u0BAE\u0BCD");  // லக்னம்: ரிஷபம்
    EXPECT_EQ(TextReportText(birth, chart, Language::English), FromWindows1252(BuildTextReport(birth, chart)));
}

}  // namespace
}  // namespace grahavani
