#include "chart/compute_chart.h"

#include <gtest/gtest.h>

#include "chart/chart_timing.h"
#include "engines/precise/ephemeris_failure.h"
#include "tests/chart/test_births.h"
#include "tests/engines/precise/ephemeris_folder.h"

namespace grahavani {
namespace {

TEST(ComputeChart, NoonJ2000) {
    ChartResult chart;
    ComputeChart(test::NoonJ2000(), chart);
    EXPECT_EQ(chart.AyanamsaDisplay, "23\u00B0 51' 14\"");
    EXPECT_EQ(chart.LagnaSign, "Pis");
    EXPECT_EQ(chart.LagnaName, "Meena");
    EXPECT_EQ(chart.NakshatraLord, "Rahu");
    EXPECT_EQ(chart.NakshatraPada, "4");
    const std::array<std::string, 12> positions = {
        "16 Sag 31", chart.PositionTexts[1], "08 Sag 03", "07 Sco 43", "04 Aqu 07", "01 Ari 30",
        "16 Ari 21", "10 Can 16", "10 Cap 16", "17 Pis 31", "15 Sag 45", ""};
    EXPECT_EQ(chart.PositionTexts, positions);
}

TEST(ComputeChart, Delhi1947) {
    ChartResult chart;
    ComputeChart(test::Delhi1947(), chart);
    EXPECT_EQ(chart.AscendantText, "7\u00B0 45' 43\" Tau");
    EXPECT_EQ(chart.LagnaName, "Vrishabha");
    EXPECT_EQ(chart.PositionTexts[9], "07 Tau 45");
    EXPECT_EQ(chart.PositionTexts[10], "21 Cap 27");
}

TEST(ComputeChart, PreciseTextsComeFromThePreciseLongitudes) {
    // Longitudes of swetest -b14.8.1947 -ut18:30:00 -sid1 -p0123456m -fPl -head and
    // -house77.216667,28.65,E: Asc 37.7601104, Moon 93.9835684 (Pushya), Mercury 103.6742773.
    ChartResult chart;
    ComputeChart(test::Delhi1947(), chart, {Engine::Precise, LunarNode::Mean});
    EXPECT_EQ(chart.AscendantText, "7\u00B0 45' 36\" Tau");
    EXPECT_EQ(chart.PositionTexts[1], "03 Can 59");
    EXPECT_EQ(chart.PositionTexts[2], "13 Can 40");
    EXPECT_EQ(chart.MoonNakshatra, "Pushya");
    EXPECT_EQ(chart.MoonRashi, "Kataka");
    EXPECT_EQ(chart.NakshatraLord, "Saturn");
    EXPECT_EQ(chart.NakshatraPada, "1");  // the quarter the Moon stands in; classic says 4
    EXPECT_EQ(chart.AyanamsaDisplay, "23\u00B0 7' 18\"");
    EXPECT_EQ(chart.PositionTexts[11], "");
}

TEST(ComputeChart, SagittariusIsDhanushForTheLagnaAndDhanusForTheMoon) {
    // Search the hours of a few days for an ascendant and a Moon in Sagittarius.
    bool lagnaSeen = false, rashiSeen = false;
    BirthRecord b = test::Delhi1947();
    for (int day = 1; day <= 28 && !(lagnaSeen && rashiSeen); ++day) {
        for (int hour = 0; hour < 24; ++hour) {
            b.Day = static_cast<std::int16_t>(day);
            b.Hour = static_cast<std::int16_t>(hour);
            ChartResult chart;
            ComputeChart(b, chart);
            if (chart.LagnaSign == "Sag") {
                EXPECT_EQ(chart.LagnaName, "Dhanush");
                lagnaSeen = true;
            }
            if (chart.MoonPositionText.ends_with("Sag")) {
                EXPECT_EQ(chart.MoonRashi, "Dhanus");
                rashiSeen = true;
            }
        }
    }
    EXPECT_TRUE(lagnaSeen && rashiSeen);
}

TEST(ComputeChart, RepeatableAndIndependentOfWhatWasThere) {
    ChartResult first, second;
    ComputeChart(test::Delhi1947(), first);
    ComputeChart(test::NoonJ2000(), second);
    ComputeChart(test::Delhi1947(), second);
    EXPECT_EQ(first.PositionTexts, second.PositionTexts);
    EXPECT_EQ(first.AyanamsaText, second.AyanamsaText);
    EXPECT_EQ(first.MoonNakshatra, second.MoonNakshatra);
    EXPECT_EQ(first.NakshatraLord, second.NakshatraLord);
    EXPECT_EQ(first.Centuries1900, second.Centuries1900);
}

// A planet file that is empty, cut short or a web page fails the precise chart, in the
// library's words naming the file; a missing one gives the Moshier theory and a notice naming
// it. The classic chart's sunrise reads no file for the days the program tables the Sun.
TEST(ComputeChart, DamagedEphemerisFilesFailAndMissingOnesFallBackToMoshier) {
    const struct {
        const char* name;
        test::PlanetFile planetFile;
    } cases[] = {{"empty", test::PlanetFile::Empty},
                 {"truncated", test::PlanetFile::Truncated},
                 {"web-page", test::PlanetFile::WebPage},
                 {"missing", test::PlanetFile::Missing}};
    const BirthRecord birth = test::Delhi1947();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const test::EphemerisFolder folder(c.name, c.planetFile);
        ChartResult precise, classic;
        ComputeChart(birth, classic);
        if (c.planetFile == test::PlanetFile::Missing) {
            ComputeChart(birth, precise, {Engine::Precise, LunarNode::Mean});
            EXPECT_EQ(precise.Ephemeris, "Moshier");
            EXPECT_NE(precise.EphemerisNotice.find("'sepl_18.se1' not found"), std::string::npos)
                << precise.EphemerisNotice;
            const ChartTiming timing = ComputeChartTiming(birth, classic, DashaYear::Julian);
            EXPECT_TRUE(timing.Panchang.SunriseJulianDayUT);
            EXPECT_EQ(timing.EphemerisNotice, "");
            continue;
        }
        std::string tamil;
        const auto failureOf = [&tamil](const auto& compute) {
            try {
                compute();
            } catch (const EphemerisFailure& failure) {
                tamil = failure.MessageIn(Language::Tamil);
                return std::string(failure.what());
            }
            return std::string("no failure");
        };
        const std::string expected = "The Swiss Ephemeris cannot compute the chart: Ephemeris file " +
                                     folder.PlanetFilePath() + " is damaged";
        const std::string preciseFailure =
            failureOf([&] { ComputeChart(birth, precise, {Engine::Precise, LunarNode::Mean}); });
        EXPECT_TRUE(preciseFailure.starts_with(expected)) << preciseFailure;
        // In another language our sentences are translated and the library's words kept.
        EXPECT_TRUE(tamil.starts_with("\u0B9A\u0BC1\u0BB5\u0BBF\u0BB8\u0BCD")) << tamil;  // சுவிஸ்
        EXPECT_NE(tamil.find("Ephemeris file " + folder.PlanetFilePath() + " is damaged"), std::string::npos) << tamil;
        EXPECT_TRUE(ComputeChartTiming(birth, classic, DashaYear::Julian).Panchang.SunriseJulianDayUT);
    }
}

}  // namespace
}  // namespace grahavani
