#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include "formats/chart_file.h"
#include "model/reference_tables.h"
#include "run_command.h"
#include "tests/chart/test_births.h"
#include "tests/translation/latin_words.h"
#include "texts/monospaced_width.h"

namespace grahavani {
namespace {

namespace fs = std::filesystem;
using test::RunCommand;

class MatchCommand : public ::testing::Test {
protected:
    void TearDown() override { fs::remove_all(folder_); }

    std::string Write(const std::string& name, const BirthEntries& entries) {
        fs::create_directories(folder_);
        std::ofstream(folder_ / name, std::ios::binary) << WriteChartFile(entries);
        return (folder_ / name).string();
    }

    const fs::path folder_ = fs::temp_directory_path() /
                             ("grahavani-match-" + std::to_string(::getpid()) + "-" +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    const std::string boy_ = Write("boy.gvc", test::DelhiEntries());
    const std::string girl_ = Write("girl.gvc", [] {
        BirthEntries girl = test::DelhiEntries();
        girl.Name = "Meera";
        girl.Year = "1950";
        girl.Hour = "14";
        return girl;
    }());
};

TEST_F(MatchCommand, RefusesWhatIsNoPairOfChartFiles) {
    BirthEntries old = test::DelhiEntries();
    old.TimeZoneRow = TimeZoneCount + 1;  // the 15 lines alone
    const std::string fifteen = Write("old.gvc", old);
    const std::string picture = (folder_ / "photo.png").string();
    std::ofstream(picture, std::ios::binary) << std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\x01\0", 20);
    old.Month = "Janury";
    const std::string bad = Write("bad.gvc", old);
    const struct {
        std::vector<std::string> args;
        int status;
        std::string errPart;
    } rows[] = {
        {{"--match", boy_, fifteen}, 2, "--match: " + fifteen + " does not say its time zone: give --zone"},
        {{"--match", fifteen, girl_, "--zone", "34"}, 0, ""},
        {{"--match", boy_, picture}, 1, picture + " is not a chart file\n"},
        {{"--match", bad, girl_, "--zone", "34"}, 1, bad + ": Please choose the month"},
        {{"--match", boy_}, 2, "--match"},
        {{"--match", boy_, girl_, girl_}, 2, "--match"},
        {{"--match", boy_, girl_, "--name", "x"}, 2, "excludes"},
        {{"--match", boy_, girl_, "--open", boy_}, 2, "excludes"},
        {{"--match", boy_, girl_, "--dst"}, 2, "--dst: give --zone with it"},
        {{"--match", boy_, girl_, "--language", "xx"}, 2, "en, hi, ta"},
    };
    for (const auto& row : rows) {
        const auto run = RunCommand(row.args);
        SCOPED_TRACE(row.args.back());
        EXPECT_EQ(run.status, row.status) << run.err;
        EXPECT_NE(run.err.find(row.errPart), std::string::npos) << run.err;
        EXPECT_EQ(run.out.empty(), row.status != 0);
    }
}

// The keys of every object, nested in braces.
std::string KeyTree(const nlohmann::ordered_json& value) {
    std::string tree;
    for (const auto& item : value.items()) {
        tree += " " + item.key() + (item.value().is_object() ? " {" + KeyTree(item.value()) + " }" : "");
    }
    return tree;
}

TEST_F(MatchCommand, JsonHoldsTheKeysAndTheMoonsOfTheOpenedCharts) {
    using Json = nlohmann::ordered_json;
    const std::string moon = "{ Name MoonLongitude Nakshatra Pada Sign SignLord }";
    const std::string koota = "{ Score Maximum Boy Girl }";
    const std::string manglik = "{ Lagna Moon Venus Any MarsHouses { Lagna Moon Venus } }";
    const std::string expectedKeys = " Boy " + moon + " Girl " + moon + " Ashtakoota { Varna " + koota + " Vashya " +
                                     koota + " Tara " + koota + " Yoni " + koota + " GrahaMaitri " + koota + " Gana " +
                                     koota + " Bhakoot { Score Maximum Boy Girl Distance } Nadi " + koota +
                                     " Total Maximum Verdict Notes } Manglik { Boy " + manglik + " Girl " + manglik +
                                     " } Porutham { Dina Gana Mahendra StreeDeergha Yoni Rasi RasiAdhipati Vasya "
                                     "Rajju Vedha }";
    for (const char* engine : {"classic", "precise"}) {
        const auto run = RunCommand({"--match", boy_, girl_, "--json", "--engine", engine});
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.out.find('\n'), run.out.size() - 1);
        const auto match = Json::parse(run.out);
        EXPECT_EQ(KeyTree(match), expectedKeys);
        for (const auto& [side, path] : {std::pair{"Boy", boy_}, std::pair{"Girl", girl_}}) {
            const auto chart = Json::parse(RunCommand({"--open", path, "--json", "--engine", engine}).out);
            const auto& longitudes = chart["Longitudes"];
            EXPECT_EQ(match[side]["MoonLongitude"], longitudes["Moon"]) << engine << side;
            EXPECT_EQ(match[side]["Nakshatra"], chart["MoonNakshatra"]);
            EXPECT_EQ(match[side]["Pada"], chart["MoonPada"]);
            const auto sign = [&](const char* body) { return int(longitudes[body].get<double>() / 30); };
            for (const auto& [key, body] : {std::pair{"Lagna", "Ascendant"}, {"Moon", "Moon"}, {"Venus", "Venus"}}) {
                EXPECT_EQ(match["Manglik"][side]["MarsHouses"][key], (sign("Mars") - sign(body) + 12) % 12 + 1);
            }
        }
    }
    const auto match = Json::parse(RunCommand({"--match", boy_, girl_, "--json"}).out);
    const auto report = RunCommand({"--match", boy_, girl_}).out;
    EXPECT_NE(report.find("Boy: Asha Rao\n"), std::string::npos) << report;
    EXPECT_NE(report.find("Total " + match["Ashtakoota"]["Total"].dump() + " of 36\nVerdict: " +
                          match["Ashtakoota"]["Verdict"].get<std::string>() + "\n"),
              std::string::npos);
}

// The columns (as a monospaced reader counts them) where a word follows a space.
std::set<std::size_t> WordStarts(const std::string& line) {
    std::set<std::size_t> starts;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i - 1] == ' ' && line[i] != ' ') starts.insert(MonospacedWidth(line.substr(0, i)));
    }
    return starts;
}

// The columns where a word starts on every one of `count` lines after the line `heading`.
std::set<std::size_t> CommonWordStarts(const std::string& report, const std::string& heading, int count) {
    std::istringstream lines(report.substr(report.find("\n" + heading + "\n") + heading.size() + 2));
    std::set<std::size_t> common;
    std::string line;
    for (int i = 0; i < count && std::getline(lines, line); ++i) {
        std::set<std::size_t> starts = WordStarts(line);
        if (i > 0) std::erase_if(starts, [&](std::size_t start) { return !common.contains(start); });
        common = starts;
    }
    return common;
}

TEST_F(MatchCommand, InHindiAndTamilTheReportHoldsNoLatinAndItsColumnsLineUp) {
    BirthEntries boy = test::DelhiEntries();
    boy.Name = "आशा राव";
    boy.City = "नई दिल्ली";
    boy.State = "दिल्ली";
    boy.Country = "भारत";
    BirthEntries girl = boy;
    girl.Name = "மீரா";
    girl.Year = "1950";
    girl.Hour = "14";
    girl.City = "சென்னை";
    const std::string boyFile = Write("boy-script.gvc", boy), girlFile = Write("girl-script.gvc", girl);
    const auto keys = KeyTree(nlohmann::ordered_json::parse(RunCommand({"--match", boyFile, girlFile, "--json"}).out));
    const struct {
        std::string language, kootas, poruthams;
    } rows[] = {{"hi", "अष्टकूट", "पोरुत्तम"}, {"ta", "அஷ்டகூடம்", "பொருத்தங்கள்"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.language);
        const auto run = RunCommand({"--match", boyFile, girlFile, "--language", row.language});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(test::LatinWords(run.out), std::vector<std::string>{}) << run.out;
        // The header and the eight kootas: the boy's, the girl's and the score columns.
        EXPECT_GE(CommonWordStarts(run.out, row.kootas, 9).size(), 3u) << run.out;
        EXPECT_GE(CommonWordStarts(run.out, row.poruthams, 10).size(), 1u) << run.out;
        const auto json = nlohmann::ordered_json::parse(
            RunCommand({"--match", boyFile, girlFile, "--json", "--language", row.language}).out);
        EXPECT_EQ(KeyTree(json), keys);
        EXPECT_NE(run.out.find(json["Ashtakoota"]["Verdict"].get<std::string>()), std::string::npos);
        EXPECT_TRUE(test::LatinWords(json["Ashtakoota"]["Verdict"].get<std::string>()).empty());
    }
}

}  // namespace
}  // namespace grahavani
