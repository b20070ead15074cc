#include "batch_charts.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

#include "chart/compute_chart.h"
#include "formats/text_report.h"
#include "formats/windows1252.h"
#include "model/vedic_names.h"
#include "tests/atlas/zone_folder_for_tests.h"
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
    EXPECT_EQ(line.size(), 35u);  // the classic engine gives no "Retrograde"
    EXPECT_EQ(line["AscendantText"], chart.AscendantText);
    EXPECT_EQ(line["PositionTexts"], json(chart.PositionTexts));
    EXPECT_EQ(line["PlanetTexts"].size(), 6u);
    EXPECT_EQ(line["Centuries1900"].get<double>(), chart.Centuries1900);
    EXPECT_EQ(line["AscendantDegrees"].get<double>(), chart.AscendantDegrees);
    EXPECT_EQ(line["NakshatraPada"], chart.NakshatraPada);
    EXPECT_EQ(line["Report"], FromWindows1252(BuildTextReport(test::Delhi1947(), chart)));
    EXPECT_EQ(lines[1], lines[0]);
}

// Each field of the planet table, worked out again from the line's own longitudes.
TEST(RunBatch, PlanetsFollowFromTheLongitudesOfTheLine) {
    constexpr std::string_view signs = "AriTauGemCanLeoVirLibScoSagCapAquPis";
    const std::array<const char*, 9> lords = {"Ketu", "Venus", "Sun", "Moon", "Mars",
                                              "Rahu", "Jupiter", "Saturn", "Mercury"};
    const std::map<std::string, std::array<double, 2>> orbs = {
        {"Moon", {12, 12}}, {"Mars", {17, 17}}, {"Mercury", {14, 12}}, {"Jupiter", {11, 11}},
        {"Venus", {10, 8}}, {"Saturn", {15, 15}}};
    std::string input;
    for (int day = 1; day <= 28; ++day) {
        for (const int hour : {0, 7, 15, 21}) {
            json birth = DelhiJson();
            birth["Day"] = day;
            birth["Month"] = day % 12 + 1;
            birth["Year"] = 1930 + 3 * day;
            birth["Hour"] = hour;
            input += birth.dump() + "\n";
        }
    }
    for (const Engine engine : {Engine::Classic, Engine::Precise}) {
        std::istringstream in(input);
        std::ostringstream out, err;
        ASSERT_TRUE(RunBatch(in, out, err, {engine}, std::nullopt));
        for (const json& line : Lines(out.str())) {
            const json& planets = line["Planets"];
            ASSERT_EQ(planets.size(), 10u);
            const int lagna = static_cast<int>(line["Longitudes"]["Ascendant"].get<double>()) / 30;
            const double sun = line["Longitudes"]["Sun"];
            for (const auto& [body, row] : planets.items()) {
                SCOPED_TRACE(body + " " + line["UniversalTime"].get<std::string>());
                const double longitude = line["Longitudes"][body];
                const int sign = static_cast<int>(longitude) / 30;
                const int quarter = static_cast<int>(longitude * 3 / 10);
                EXPECT_EQ(row["Longitude"].get<double>(), longitude);
                EXPECT_EQ(row["Sign"], signs.substr(3 * sign, 3));
                EXPECT_NEAR(row["Degrees"].get<double>(), longitude - 30 * sign, 1e-12);
                EXPECT_TRUE(row["Text"].get<std::string>().starts_with(
                    std::to_string(static_cast<int>(longitude) % 30) + "\u00B0 "));
                EXPECT_EQ(row["Nakshatra"], NakshatraNames[static_cast<std::size_t>(quarter / 4)]);
                EXPECT_EQ(row["Pada"], quarter % 4 + 1);
                EXPECT_EQ(row["NakshatraLord"], lords[static_cast<std::size_t>(quarter / 4 % 9)]);
                EXPECT_EQ(row["House"], (sign - lagna + 12) % 12 + 1);
                const bool planet = orbs.contains(body) || body == "Sun";
                EXPECT_EQ(row["Dignity"].is_string(), planet);
                const bool motionKnown = planet && engine == Engine::Precise;
                EXPECT_EQ(row["Retrograde"].is_boolean(), motionKnown);
                if (motionKnown && line["Retrograde"].contains(body)) {
                    EXPECT_EQ(row["Retrograde"], line["Retrograde"][body]);
                }
                if (!orbs.contains(body)) {
                    EXPECT_TRUE(row["Combust"].is_null());
                    continue;
                }
                const double apart = std::fabs(longitude - sun);
                const bool retrograde = row["Retrograde"].is_boolean() && row["Retrograde"].get<bool>();
                EXPECT_EQ(row["Combust"], std::min(apart, 360 - apart) <= orbs.at(body)[retrograde]);
            }
            EXPECT_EQ(line["MoonPada"], planets["Moon"]["Pada"]);
            EXPECT_EQ(planets["Ascendant"]["Text"], line["AscendantText"]);
            EXPECT_EQ(planets["Moon"]["Text"], line["MoonPositionText"]);
            if (engine == Engine::Precise) {
                EXPECT_EQ(line["NakshatraPada"], std::to_string(line["MoonPada"].get<int>()));
            }
        }
    }
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

TEST(RunBatch, PlaceLinesTakeTheClockThePlaceKept) {
    // Offsets and flags as `TZ=<zone> date -d '<local time>' +%z` reads the system's tz database;
    // the universal times follow from them.
    const struct {
        const char* place;
        int year, month, day, hour, minute, fold;
        int offsetSeconds;  // of the clock in force; 0 for an error line
        bool daylightSaving;
        const char* universalTime;
        bool classicAgrees;  // the classic engine reads the zone in the longitude's direction
    } rows[] = {
        {"Kolkata", 1943, 8, 15, 10, 0, 0, 23400, true, "1943-08-15T03:30:00Z", true},  // war time
        {"London, GB", 1970, 7, 15, 12, 0, 0, 3600, false, "1970-07-15T11:00:00Z", false},
        {"New York", 2021, 7, 15, 12, 0, 0, -14400, true, "2021-07-15T16:00:00Z", true},
        {"New York", 2021, 3, 14, 2, 30, 0, 0, false, nullptr, false},  // skipped
        {"New York", 2021, 11, 7, 1, 30, 0, -14400, true, "2021-11-07T05:30:00Z", true},
        {"New York", 2021, 11, 7, 1, 30, 1, -18000, false, "2021-11-07T06:30:00Z", true},
        {"Apia", 2011, 12, 29, 12, 0, 0, -36000, true, "2011-12-29T22:00:00Z", true},
        {"Apia", 2011, 12, 31, 12, 0, 0, 50400, true, "2011-12-30T22:00:00Z", false},
        {"Chennai", 1900, 1, 1, 12, 0, 0, 19270, false, "1900-01-01T06:38:50Z", true},  // +5:21:10
    };
    std::string input;
    for (const auto& row : rows) {
        input += json{{"Name", "P"}, {"Day", row.day}, {"Month", row.month}, {"Year", row.year},
                      {"Hour", row.hour}, {"Minute", row.minute}, {"Place", row.place}, {"Fold", row.fold}}
                     .dump() + "\n";
    }
    std::vector<json> byEngine[2];
    for (const Engine engine : {Engine::Classic, Engine::Precise}) {
        std::istringstream in(input);
        std::ostringstream out, err;
        EXPECT_FALSE(RunBatch(in, out, err, {engine}));
        byEngine[engine == Engine::Precise] = Lines(out.str());
    }
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& row = rows[i];
        SCOPED_TRACE(std::string(row.place) + " line " + std::to_string(i + 1));
        const json& precise = byEngine[1].at(i);
        const json& classic = byEngine[0].at(i);
        if (!row.universalTime) {
            EXPECT_NE(precise["error"].get<std::string>().find("never happened"), std::string::npos);
            EXPECT_EQ(classic["error"], precise["error"]);
            continue;
        }
        EXPECT_EQ(precise["ZoneOffsetSeconds"], row.offsetSeconds);
        EXPECT_EQ(precise["DaylightSaving"], row.daylightSaving);
        EXPECT_EQ(precise["Place"]["TimeZone"], precise["TimeZone"]);
        EXPECT_EQ(precise["UniversalTime"], row.universalTime);
        // The classic engine keeps whole minutes of the zone: Madras time loses its seconds.
        if (row.classicAgrees && row.offsetSeconds % 60 == 0) {
            EXPECT_EQ(classic["UniversalTime"], row.universalTime);
        }
    }
}

TEST(RunBatch, AZoneFileThatCannotBeReadFailsOnlyItsLine) {
    test::ZoneFolderForTests zones;
    zones.Copy("Asia/Kolkata");
    ::setenv("TZDIR", zones.Path().c_str(), 1);
    std::string input;
    for (const char* place : {"London, GB", "Kolkata"}) {
        input += json{{"Name", "P"}, {"Day", 1}, {"Month", 1}, {"Year", 1990}, {"Hour", 12}, {"Minute", 0},
                      {"Place", place}}.dump() + "\n";
    }
    using test::ZoneDamage;
    for (const ZoneDamage damage : {ZoneDamage::Empty, ZoneDamage::CutShort, ZoneDamage::Garbage,
                                    ZoneDamage::BadClockIndex, ZoneDamage::Fifo}) {
        zones.Damage("Europe/London", damage);
        std::istringstream in(input);
        std::ostringstream out, err;
        EXPECT_FALSE(RunBatch(in, out, err));
        const auto lines = Lines(out.str());
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0]["line"], 1);
        EXPECT_EQ(lines[0]["error"].get<std::string>().find("The time zone file " + (zones.Path() / "Europe/London").string()),
                  0u) << lines[0];
        EXPECT_EQ(lines[1]["TimeZone"], "Asia/Kolkata");
        EXPECT_EQ(lines[1]["ZoneOffsetSeconds"], 19800);
    }
    ::unsetenv("TZDIR");
}

TEST(RunBatch, PlaceLinesRefuseWhatThePlaceFills) {
    const struct {
        json extra;
        const char* error;
    } rows[] = {
        {{{"Place", "Qqxxzzy"}}, "no place in the atlas matches \"Qqxxzzy\""},
        {{{"Place", "Delhi"}, {"City", "Delhi"}}, "field City cannot stand beside Place, which fills it"},
        {{{"Place", "Delhi"}, {"Fold", 2}}, "field Fold must be a whole number from 0 to 1"},
        {{{"Place", 7}}, "field Place must be a text"},
        {{{"Fold", 1}}, "field Fold needs Place"},
    };
    for (const auto& row : rows) {
        json line = row.extra.contains("Place")
                        ? json{{"Name", "P"}, {"Day", 1}, {"Month", 1}, {"Year", 1990}, {"Hour", 12}, {"Minute", 0}}
                        : DelhiJson();
        line.update(row.extra);
        std::istringstream in(line.dump());
        std::ostringstream out, err;
        EXPECT_FALSE(RunBatch(in, out, err));
        EXPECT_EQ(Lines(out.str()).at(0)["error"], row.error) << line.dump();
    }
}

TEST(RunBatch, TimingOfEveryChart) {
    // Delhi, 15 August 1947 00:00 IST. Sunrise: swetest -rise -b15.8.1947 -p0
    // -geopos77.2167,28.65,0 gives 00:19:33 UT; a birth before it belongs to Thursday's Vedic
    // day. The Sun at 27°59' Cancer falls in the ninth navamsa of Cancer, Pisces.
    std::istringstream in(DelhiJson().dump());
    std::ostringstream out, err;
    TimingOutput savana;
    savana.Year = DashaYear::Savana;
    ASSERT_TRUE(RunBatch(in, out, err, {Engine::Precise}, savana));
    const json line = Lines(out.str()).at(0);
    const json& panchang = line["Panchang"];
    EXPECT_EQ(panchang["Vara"], "Thursday");
    EXPECT_EQ(panchang["Sunrise"].get<std::string>().substr(0, 16), "1947-08-15T05:49");
    EXPECT_EQ(panchang["Paksha"], "Krishna");
    for (const char* field : {"TithiNumber", "Tithi", "YogaNumber", "Yoga", "Karana"}) {
        EXPECT_TRUE(panchang.contains(field)) << field;
    }
    EXPECT_EQ(line["Navamsa"]["Sun"], "Pis");
    EXPECT_EQ(line["Navamsa"].size(), 10u);

    const json& dasha = line["Vimshottari"];
    EXPECT_EQ(dasha["YearDays"], 360.0);
    const json& periods = dasha["Periods"];
    ASSERT_EQ(periods.size(), 9u);
    EXPECT_LE(periods[0]["Start"].get<std::string>(), "1947-08-15T00:00");
    for (std::size_t m = 0; m < 9; ++m) {
        const json& subs = periods[m]["Antardashas"];
        ASSERT_EQ(subs.size(), 9u);
        EXPECT_EQ(subs[0]["Lord"], periods[m]["Lord"]);
        EXPECT_EQ(subs[0]["Start"], periods[m]["Start"]);
        EXPECT_EQ(subs[8]["End"], periods[m]["End"]);
        for (std::size_t a = 1; a < 9; ++a) {
            EXPECT_EQ(subs[a]["Start"], subs[a - 1]["End"]);
        }
        if (m > 0) {
            EXPECT_EQ(periods[m]["Start"], periods[m - 1]["End"]);
        }
    }
}


TEST(RunBatch, RefusesWhatTheCommandRefuses) {
    const auto with = [](json fields, std::initializer_list<const char*> without = {}) {
        json line = DelhiJson();
        for (const char* field : without) line.erase(field);
        line.update(fields);
        return line.dump();
    };
    const struct {
        std::string line;
        const char* error;  // null: the line gives a chart
    } rows[] = {
        {with({{"Day", 31}, {"Month", 2}}), "Please Enter Correct Date Or Month!"},
        {with({{"Day", 31}, {"Month", 4}}), "Please Enter Correct Date Or Month !"},
        {with({{"ZoneHours", 3}, {"ZoneOffsetMinutes", 330}}),
         "field ZoneHours must be 5, the hours of ZoneOffsetMinutes, or left out"},
        {with({{"ZoneMinutes", 0}, {"ZoneOffsetMinutes", -330}}),
         "field ZoneMinutes must be 30, the minutes of ZoneOffsetMinutes, or left out"},
        {with({{"ZoneHours", 14}, {"ZoneOffsetMinutes", 840}}, {"ZoneMinutes"}), nullptr},
        {with({{"ZoneHours", 5}, {"ZoneMinutes", 45}, {"ZoneOffsetMinutes", 345}}), nullptr},
        {DelhiJson().dump() + std::string("\0garbage", 8), "not valid JSON: a NUL byte"},
    };
    for (const auto& row : rows) {
        std::istringstream in(row.line);
        std::ostringstream out, err;
        EXPECT_EQ(RunBatch(in, out, err), row.error == nullptr) << row.line;
        const json result = Lines(out.str()).at(0);
        if (row.error) {
            EXPECT_EQ(result["error"], row.error);
        } else {
            EXPECT_TRUE(result.contains("Report")) << result.dump();
        }
    }
}

TEST(RunBatch, TheLineLimitLeavesOutACarriageReturn) {
    for (const std::size_t lineBytes : {MaxBatchLineBytes, MaxBatchLineBytes + 1}) {
        json record = DelhiJson();
        record["Name"] = "";
        record["Name"] = std::string(lineBytes - record.dump().size(), 'a');
        std::istringstream in(record.dump() + "\r\n");
        std::ostringstream out, err;
        EXPECT_EQ(RunBatch(in, out, err), lineBytes == MaxBatchLineBytes) << lineBytes;
    }
}

}  // namespace
}  // namespace grahavani
