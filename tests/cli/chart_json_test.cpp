#include "chart_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <cmath>
#include <fstream>
#include <sstream>

#include "batch_charts.h"
#include "chart/compute_chart.h"
#include "tests/chart/test_births.h"
#include "timing/local_time.h"

namespace grahavani {
namespace {

using nlohmann::json;

std::vector<json> JsonLines(std::istream& in) {
    std::vector<json> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(json::parse(line));
    return lines;
}

std::ifstream TestData(const std::string& name) {
    return std::ifstream(std::string(GRAHAVANI_CLI_TEST_DATA) + "/" + name, std::ios::binary);
}

TEST(ChartJsonWriter, LinesHoldWhatTheyHeldBesideTheNewKeys) {
    // The golden lines were written by the writer that built an nlohmann document.
    const struct {
        Engine engine;
        bool timing;
        const char* golden;
    } rows[] = {
        {Engine::Classic, true, "chart_lines_classic.jsonl"},
        {Engine::Classic, false, "chart_lines_classic_no_timing.jsonl"},
        {Engine::Precise, true, "chart_lines_precise.jsonl"},
        {Engine::Precise, false, "chart_lines_precise_no_timing.jsonl"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.golden);
        std::ifstream births = TestData("chart_lines_births.jsonl");
        std::ifstream golden = TestData(row.golden);
        ASSERT_TRUE(births && golden);
        std::ostringstream out, err;
        RunBatch(births, out, err, {row.engine},
                 row.timing ? std::optional(TimingOutput{}) : std::nullopt);
        std::istringstream written(out.str());
        std::vector<json> lines = JsonLines(written);
        const std::vector<json> expected = JsonLines(golden);
        ASSERT_EQ(lines.size(), expected.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            json& line = lines[i];
            if (line.contains("Report")) {
                EXPECT_TRUE(line["AyanamsaName"].is_string());  // its values are the engines' to test
                line.erase("AyanamsaName");
            }
            if (row.timing && line.contains("Panchang")) {
                EXPECT_EQ(line["Panchang"]["SunriseRule"], "apparent-limb");
                line["Panchang"].erase("SunriseRule");
                line["Vimshottari"].erase("Balance");
            }
            EXPECT_EQ(line, expected[i]) << "line " << i + 1;
        }
    }
}

// A period's level list, if any, and the key each deeper level takes.
constexpr std::array<const char*, 5> LevelKeys = {
    "Periods", "Antardashas", "Pratyantardashas", "Sookshmadashas", "Pranadashas"};

// Checks one level's periods, in order, against their parent's bounds; counts those at the
// deepest level.
void CheckPeriods(const json& periods, int level, int depth, std::size_t timeLength, bool yogini,
                  const json* parent, std::size_t& deepest) {
    ASSERT_TRUE(periods.is_array());
    if (parent) {
        EXPECT_EQ(periods.front()["Start"], (*parent)["Start"]);
        EXPECT_EQ(periods.back()["End"], (*parent)["End"]);
        EXPECT_EQ(periods.front()["Lord"], (*parent)["Lord"]);
    }
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const json& period = periods[i];
        EXPECT_EQ(period.size(), 3u + (yogini ? 1 : 0) + (level < depth ? 1 : 0));
        EXPECT_EQ(period["Start"].get<std::string>().size(), timeLength);
        EXPECT_EQ(period["End"].get<std::string>().size(), timeLength);
        if (i > 0) {
            EXPECT_EQ(period["Start"], periods[i - 1]["End"]);
        }
        if (level < depth) {
            CheckPeriods(period[LevelKeys[static_cast<std::size_t>(level)]], level + 1, depth, timeLength,
                         yogini, &period, deepest);
        }
    }
    if (level == depth) deepest += periods.size();
}

struct DelhiChart {
    DelhiChart() {
        ComputeChart(test::Delhi1947(), chart);
        timing = ComputeChartTiming(test::Delhi1947(), chart, DashaYear::Julian);
    }
    json Line(const TimingOutput& output) {
        return json::parse(ChartJsonWriter(output).Line(chart, "report", &timing));
    }
    ChartResult chart;
    ChartTiming timing;
};

TEST(ChartJsonWriter, TextsAreWrittenAsTheLibraryWritesThem) {
    DelhiChart delhi;
    for (const std::string text : {"12° 13' 32\" Tau", "back\\slash", "é and ü", "आशा राव", "tab\tand\r\n",
                                   "line\r\nend\n", "\x7f", "\xc2", "\xc2\x41", "\xe0\xa4", "\"\"",
                                   "\xe0\x80\x80", "\xed\xa0\x80", "\xe0\xa4\x41", "\xef\xbf\xbf", "\xf0\x9f\x98\x80"}) {
        SCOPED_TRACE(text);
        delhi.chart.AscendantText = text;
        std::string line;
        try {
            line = ChartJsonWriter().Line(delhi.chart, "report", &delhi.timing);
        } catch (const json::type_error&) {
            EXPECT_THROW(json(text).dump(), json::type_error);  // not UTF-8: refused as the library refuses
            continue;
        }
        EXPECT_NE(line.find("\"AscendantText\":" + json(text).dump() + ","), std::string::npos);
    }
}

TEST(ChartJsonWriter, EverySystemToEveryDepth) {
    DelhiChart delhi;
    for (const std::optional<int> depth : {std::optional<int>{}, std::optional(1), std::optional(2),
                                           std::optional(3), std::optional(4), std::optional(5)}) {
        const int levels = depth.value_or(2);
        SCOPED_TRACE(levels);
        TimingOutput output;
        output.DashaDepth = depth;
        output.Systems = {true, true, true};
        const std::string text = ChartJsonWriter(output).Line(delhi.chart, "report", &delhi.timing);
        EXPECT_LE(text.size(), BatchLineBytesAtMost(output));
        const json line = json::parse(text);
        for (std::size_t system = 0; system < 3; ++system) {
            const DashaTimeline& timeline = delhi.timing.Dashas[system];
            const json& dasha = line[std::string(DashaSystemNames[system])];
            const bool yogini = system == static_cast<std::size_t>(DashaSystem::Yogini);
            EXPECT_EQ(dasha["Balance"].size(), yogini ? 5u : 4u);
            EXPECT_EQ(dasha["Balance"]["Lord"], DashaRulers(timeline.System)[timeline.Balance.Ruler].Lord);
            std::size_t deepest = 0;
            CheckPeriods(dasha["Periods"], 1, levels, levels > 2 ? 19 : 16, yogini, nullptr, deepest);
            EXPECT_EQ(deepest, timeline.Mahadashas.size() *
                                   static_cast<std::size_t>(std::pow(system == 0 ? 9 : 8, levels - 1)));
        }
    }
}

TEST(ChartJsonWriter, RunningJustBeforeAndAtABoundary) {
    DelhiChart delhi;
    for (std::size_t system = 0; system < 3; ++system) {
        const DashaTimeline& timeline = delhi.timing.Dashas[system];
        const double boundary = timeline.JulianDayAt(timeline.Mahadashas[2].StartTick);
        const double localSeconds =
            (boundary - UnixEpochJulianDay) * SecondsPerDay + delhi.timing.ClockOffsetSeconds;
        const double firstStartSeconds =
            (timeline.FirstStartJulianDayUT - UnixEpochJulianDay) * SecondsPerDay + delhi.timing.ClockOffsetSeconds;
        const struct {
            double seconds;
            int mahadasha;  // the one running; -1 for none
        } rows[] = {
            {std::floor(localSeconds) - 1, 1},
            {std::ceil(localSeconds), 2},
            {std::floor(firstStartSeconds) - 1, -1},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(DashaSystemNames[system]) + " " + std::to_string(row.mahadasha));
            TimingOutput output;
            output.DashaDepth = 3;  // the periods' times to the second, as Running's
            output.Systems = {system == 0, system == 1, system == 2};
            output.DashaAtLocalSeconds = static_cast<std::int64_t>(row.seconds);
            ChartJsonWriter writer(output);
            const json line = json::parse(writer.Line(delhi.chart, "report", &delhi.timing));
            const json& running = line[std::string(DashaSystemNames[system])]["Running"];
            EXPECT_EQ(writer.DashaAtOutsidePeriods(), row.mahadasha < 0);
            if (row.mahadasha < 0) {
                EXPECT_TRUE(running.is_null());
                continue;
            }
            ASSERT_EQ(running.size(), 5u);
            const auto& rulers = DashaRulers(timeline.System);
            const std::string_view boundaryText = line[std::string(DashaSystemNames[system])]["Periods"][2]
                                                      ["Start"].get_ref<const std::string&>();
            for (std::size_t level = 0; level < 5; ++level) {
                EXPECT_EQ(running[level]["Level"], DashaLevelNames[level]);
                // At the boundary every level begins there, with the new mahadasha's lord; just
                // before it every level ends there.
                const std::string& edge = running[level][row.mahadasha == 2 ? "Start" : "End"];
                EXPECT_EQ(edge, boundaryText);
            }
            EXPECT_EQ(running[0]["Lord"],
                      rulers[timeline.Mahadashas[static_cast<std::size_t>(row.mahadasha)].Ruler].Lord);
        }
    }
}

TEST(ChartJsonWriter, DeepLinesAreTakenFewToAChunk) {
    const struct {
        std::optional<int> depth;
        std::array<bool, 3> systems;
        std::size_t fewestLines, mostLines;
    } rows[] = {
        {std::nullopt, {true, false, false}, 100, 256},  // enough for both cores
        {3, {true, true, true}, 2, 16},
        {5, {true, false, false}, 1, 1},
        {5, {true, true, true}, 1, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.depth.value_or(2));
        TimingOutput output;
        output.DashaDepth = row.depth;
        output.Systems = row.systems;
        EXPECT_GE(BatchChunkLines(output), row.fewestLines);
        EXPECT_LE(BatchChunkLines(output), row.mostLines);
        // A chunk's output beside the program's own ten megabytes stays within 64 MB.
        EXPECT_LE(BatchChunkLines(output) * BatchLineBytesAtMost(output), std::size_t{48} << 20);
    }
    EXPECT_GE(BatchChunkLines(std::nullopt), 100u);
}

}  // namespace
}  // namespace grahavani
