#include "batch_charts.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "chart/compute_chart.h"
#include "formats/text_report.h"
#include "formats/windows1252.h"
#include "tests/chart/test_births.h"

namespace grahavani {
namespace {

using nlohmann::json;

json DelhiJson() {
    return json{{"Name", "Asha Rao"}, {"Day", 15}, {"Month", 8}, {"Year", 1947},
                {"Hour", 0}, {"Minute", 0}, {"ZoneHours", 5}, {"ZoneMinutes", 30},
                {"LongitudeDegrees", 77}, {"LongitudeMinutes", 13}, {"LatitudeDegrees", 28},
                {"LatitudeMinutes", 39}, {"IsEast", true}, {"IsSouth", false},
                {"DaylightSaving", false}, {"City", "New Delhi"}, {"State", "Delhi"},
                {"Country", "India"}};
}

std::vector<json> Lines(const std::string& text) {
    std::vector<json> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(json::parse(line));
    return lines;
}

TEST(RunBatch, OneChartPerLineWithEveryResultField) {
    std::istringstream in(DelhiJson().dump() + "\n" + DelhiJson().dump() + "\r\n");
    std::ostringstream out, err;
    EXPECT_TRUE(RunBatch(in, out, err));
    EXPECT_EQ(err.str(), "");
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 2u);

    ChartResult chart;
    ComputeChart(test::Delhi1947(), chart);
    const json& line = lines[0];
    EXPECT_EQ(line.size(), 29u);  // the classic engine gives no "Retrograde"
    EXPECT_EQ(line["AscendantText"], chart.AscendantText);
    EXPECT_EQ(line["PositionTexts"], json(chart.PositionTexts));
    EXPECT_EQ(line["PlanetTexts"].size(), 6u);
    EXPECT_EQ(line["Centuries1900"].get<double>(), chart.Centuries1900);
    EXPECT_EQ(line["AscendantDegrees"].get<double>(), chart.AscendantDegrees);
    EXPECT_EQ(line["NakshatraPada"], chart.NakshatraPada);
    EXPECT_EQ(line["Report"], FromWindows1252(BuildTextReport(test::Delhi1947(), chart)));
    EXPECT_EQ(lines[1], lines[0]);
}

TEST(RunBatch, BadLinesGiveErrorsInTheirPlace) {
    json missing = DelhiJson();
    missing.erase("City");
    json mistyped = DelhiJson();
    mistyped["Day"] = "15";
    json fraction = DelhiJson();
    fraction["Hour"] = 1.5;
    json outOfRange = DelhiJson();
    outOfRange["Year"] = 1899;
    json zoneMinutes = DelhiJson();
    zoneMinutes["ZoneMinutes"] = 15;
    json coordinate = DelhiJson();
    coordinate["LatitudeDegrees"] = 32768;
    json farCoordinate = DelhiJson();
    farCoordinate["LongitudeDegrees"] = -32768;  // any 16-bit value computes

    std::istringstream in("not json\n" + missing.dump() + "\n" + mistyped.dump() + "\n" +
                          fraction.dump() + "\n" + outOfRange.dump() + "\n" +
                          zoneMinutes.dump() + "\n" + coordinate.dump() + "\n[1,2]\n\n" +
                          farCoordinate.dump() + "\n");
    std::ostringstream out, err;
    EXPECT_FALSE(RunBatch(in, out, err));
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 10u);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(lines[i]["line"], i + 1);
        EXPECT_TRUE(lines[i]["error"].is_string());
    }
    EXPECT_EQ(lines[1]["error"], "missing field City");
    EXPECT_EQ(lines[2]["error"], "field Day must be a whole number from 1 to 31");
    EXPECT_TRUE(lines[9].contains("Report"));
    EXPECT_NE(err.str().find("line 7: field LatitudeDegrees"), std::string::npos);
}

TEST(RunBatch, ASignedZoneOffsetStandsInForTheMagnitudes) {
    // Madrid in summer, 12:00 at +1 h with daylight saving: 10:00 UT. The classic engine
    // keeps its hemisphere rule with the magnitude, so west of Greenwich it adds the hour.
    json madrid = DelhiJson();
    madrid.erase("ZoneHours");
    madrid.erase("ZoneMinutes");
    madrid.update(json{{"Day", 15}, {"Month", 7}, {"Year", 1990}, {"Hour", 12},
                       {"ZoneOffsetMinutes", 60}, {"DaylightSaving", true},
                       {"LongitudeDegrees", 3}, {"LongitudeMinutes", 42}, {"IsEast", false}});
    json tooFar = madrid;
    tooFar["ZoneOffsetMinutes"] = -841;
    json leapDay1900 = DelhiJson();
    leapDay1900.update(json{{"Day", 29}, {"Month", 2}, {"Year", 1900}});
    const std::string input = madrid.dump() + "\n" + tooFar.dump() + "\n" + leapDay1900.dump();

    const struct {
        Engine engine;
        const char* madridTime;
        bool leapDayComputed;
    } rows[] = {{Engine::Classic, "1990-07-15T12:00:00Z", true},
                {Engine::Precise, "1990-07-15T10:00:00Z", false}};
    for (const auto& row : rows) {
        std::istringstream in(input);
        std::ostringstream out, err;
        EXPECT_FALSE(RunBatch(in, out, err, {row.engine, LunarNode::Mean}));
        const auto lines = Lines(out.str());
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0]["Engine"], EngineName(row.engine));
        EXPECT_EQ(lines[0]["UniversalTime"], row.madridTime);
        EXPECT_EQ(lines[1]["error"], "field ZoneOffsetMinutes must be a whole number from -840 to 840");
        EXPECT_EQ(lines[2].contains("Report"), row.leapDayComputed);
    }
}

TEST(RunBatch, RefusesAnOverlongLineWithoutHoldingIt) {
    std::istringstream in(std::string(MaxBatchLineBytes + 10, '{') + "\n" + DelhiJson().dump());
    std::ostringstream out, err;
    EXPECT_FALSE(RunBatch(in, out, err));
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["line"], 1);
    EXPECT_TRUE(lines[1].contains("Report"));
}

TEST(RunBatch, LongLinesKeepTheirNumbersAcrossChunks) {
    // Names just under and just over the line limit, enough of them to fill several
    // chunks by bytes long before they fill one by count.
    const struct {
        std::size_t nameBytes;
        bool charts;
    } cases[] = {{60000, true}, {70000, false}, {10, true}, {MaxBatchLineBytes, false},
                 {60000, true}, {1 << 20, false}};
    std::string input;
    std::vector<bool> charts;
    for (int round = 0; round < 12; ++round) {
        for (const auto& c : cases) {
            json record = DelhiJson();
            record["Name"] = std::string(c.nameBytes, 'a');
            input += record.dump() + "\n";
            charts.push_back(c.charts);
        }
    }
    std::istringstream in(input);
    std::ostringstream out, err;
    EXPECT_FALSE(RunBatch(in, out, err));
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), charts.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].contains("Report"), charts[i]) << i;
        if (!charts[i]) {
            EXPECT_EQ(lines[i]["line"], i + 1);
            EXPECT_EQ(lines[i]["error"], "line is longer than 65536 bytes");
        }
    }
}

}  // namespace
}  // namespace grahavani
