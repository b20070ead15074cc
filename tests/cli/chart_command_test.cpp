#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sys/stat.h>
#include <unistd.h>

#include "chart/compute_chart.h"
#include "formats/chart_file.h"
#include "formats/text_codec.h"
#include "formats/text_report.h"
#include "model/name_tables.h"
#include "vargas/varga.h"
#include "model/reference_tables.h"
#include "model/vedic_names.h"
#include "engines/precise/thread_ephemeris.h"
#include "run_command.h"
#include "tests/atlas/zone_folder_for_tests.h"
#include "tests/chart/test_births.h"
#include "tests/engines/precise/ephemeris_folder.h"
#include "tests/translation/latin_words.h"

namespace grahavani {
namespace {

namespace fs = std::filesystem;
using test::RunCommand;

const std::vector<std::string> Delhi = {
    "--name", "Asha Rao", "--date", "1947-08-15", "--time", "00:00", "--lat", "28N39",
    "--lon", "77E13", "--zone", "34", "--city", "New Delhi", "--state", "Delhi",
    "--country", "India"};

std::string ExpectedDelhiReport() {
    ChartResult chart;
    ComputeChart(test::Delhi1947(), chart);
    return BuildTextReport(test::Delhi1947(), chart);
}

class ChartCommand : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("grahavani-cli-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    // The three ways to a chart: arguments, a chart file, a batch.
    std::vector<std::vector<std::string>> EveryMode() {
        const std::string chartFile = Write("asha.gvc", WriteChartFile(test::DelhiEntries()));
        const std::string batch = Write(
            "births.jsonl",
            R"({"Name":"A","Day":15,"Month":8,"Year":1947,"Hour":0,"Minute":0,"ZoneHours":5,)"
            R"("ZoneMinutes":30,"LongitudeDegrees":77,"LongitudeMinutes":13,"LatitudeDegrees":28,)"
            R"("LatitudeMinutes":39,"IsEast":true,"IsSouth":false,"DaylightSaving":false,)"
            R"("City":"C","State":"S","Country":"I"})"
            "\n");
        return {Delhi, {"--open", chartFile, "--zone", "34"}, {"--batch", batch}};
    }

    std::string Read(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    fs::path folder_;
};

// Standard output on a full disk: every write fails.
class FullDiskBuffer final : public std::streambuf {
protected:
    int_type overflow(int_type) override {
        errno = ENOSPC;
        return traits_type::eof();
    }
};

TEST_F(ChartCommand, OneChartWritesTheReportBytes) {
    const auto run = RunCommand(Delhi);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, ExpectedDelhiReport());

    // The zone by its text, and the output to a file.
    auto args = Delhi;
    args[11] = "Indian Time, IST, +5.3";
    const std::string path = (folder_ / "report.txt").string();
    args.insert(args.end(), {"-o", path});
    const auto toFile = RunCommand(args);
    EXPECT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_EQ(toFile.out, "");
    std::ifstream file(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), ExpectedDelhiReport());

    auto dash = Delhi;
    dash.insert(dash.end(), {"-o", "-"});
    EXPECT_EQ(RunCommand(dash).out, ExpectedDelhiReport());
}

TEST_F(ChartCommand, BadArgumentsNameTheArgumentAndWriteNothing) {
    const struct {
        std::size_t index;
        const char* value;
        const char* named;
    } cases[] = {
        {3, "1947-8-15", "--date"},  {3, "1899-08-15", "--date"},
        {3, "1947-04-31", "--date"}, {5, "25:00", "--time"},
        {5, "7", "--time"},          {7, "28X39", "--lat"},
        {7, "99999N1", "--lat"},     {9, "77N13", "--lon"},
        {11, "71", "--zone"},        {11, "Indian Time", "--zone"},
    };
    for (const auto& c : cases) {
        auto args = Delhi;
        args[c.index] = c.value;
        const auto run = RunCommand(args);
        EXPECT_EQ(run.status, 2) << c.value;
        EXPECT_EQ(run.out, "") << c.value;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    }
    EXPECT_EQ(RunCommand({"--date", "1947-08-15"}).status, 2);
    EXPECT_EQ(RunCommand({"--bogus"}).status, 2);
    EXPECT_EQ(RunCommand({"--batch", folder_.string()}).status, 2);  // a folder is no batch
    EXPECT_EQ(RunCommand({"--batch", (folder_ / "missing.jsonl").string()}).status, 2);
    EXPECT_EQ(RunCommand({"--batch", "x.jsonl", "--zone", "3"}).status, 2);
    auto twice = Delhi;
    twice.insert(twice.end(), {"--open", "chart.gvc"});
    EXPECT_EQ(RunCommand(twice).status, 2);
}

TEST_F(ChartCommand, ListZonesPrintsSeventyOneNumberedRows) {
    const auto run = RunCommand({"--list-zones"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 71);
    EXPECT_NE(run.out.find("34\tIndian Time, IST, +5.3\n"), std::string::npos);
}

TEST_F(ChartCommand, OpenComputesTheChartAFileHolds) {
    BirthEntries entries = test::DelhiEntries();
    const std::string path = Write("asha.gvc", WriteChartFile(entries));
    const auto run = RunCommand({"--open", path, "--zone", "34"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, ExpectedDelhiReport());

    entries.Day = "31";
    entries.Month = "April";
    const auto april = RunCommand({"--open", Write("april.gvc", WriteChartFile(entries)),
                                   "--zone", "34"});
    EXPECT_EQ(april.status, 1);
    EXPECT_EQ(april.out, "");
    EXPECT_EQ(april.err, "Please Enter Correct Date Or Month !\n");
}

TEST_F(ChartCommand, OpenRefusesFilesThatAreNoChart) {
    const struct {
        std::string bytes;
        const char* message;
    } cases[] = {
        {std::string(15 * 2, ' ').replace(0, 30, std::string(15, '\r') + std::string(15, '\n')),
         "Please Enter Your Name"},
        {"\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n", "Please Enter Your Name"},
        {std::string(1 << 20, '\xB6'), nullptr},
        {std::string("\x00\x01\x02\xff\xfe", 5), nullptr},
        {"", nullptr},
        {std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\x01\0", 20), nullptr},
        {"Asha Rao\n15\nAugust\n", nullptr},
    };
    for (const auto& c : cases) {
        const std::string path = Write("bad.gvc", c.bytes);
        const auto run = RunCommand({"--open", path, "--zone", "0"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, (c.message ? std::string(c.message) : path + " is not a chart file") + "\n");
    }

    // Values the lists do not offer, and coordinates that are no whole number.
    const std::vector<std::string> valid = {"Asha", "15", "August", "1947", "0", "0", "28",
                                            "39", "North", "77", "13", "East", "Delhi",
                                            "Delhi", "India"};
    const struct {
        std::size_t line;
        const char* value;
        const char* message;
    } fields[] = {
        {2, "Janury", "Please choose the month of birth from January to December"},
        {1, "32", "Please choose the day of birth from 1 to 31"},
        {3, "1899", "Please choose the year of birth from 1900 to 2050"},
        {6, "ab", "Please enter the degrees of latitude as a whole number from -32768 to 32767"},
        {10, "40000", "Please enter the minutes of longitude as a whole number from -32768 to 32767"},
    };
    for (const auto& f : fields) {
        std::string bytes;
        for (std::size_t i = 0; i < valid.size(); ++i) {
            bytes += EncodeText(i == f.line ? f.value : valid[i]) + "\r\n";
        }
        const auto run = RunCommand({"--open", Write("field.gvc", bytes), "--zone", "0"});
        EXPECT_EQ(run.status, 1) << f.value;
        EXPECT_EQ(run.err, std::string(f.message) + "\n");
    }

    EXPECT_EQ(RunCommand({"--open", (folder_ / "missing.gvc").string(), "--zone", "0"}).status, 2);
}

// The first 15 lines, as a reader of them alone sees the file.
std::string FifteenLines(const std::string& bytes) {
    std::size_t end = 0;
    for (std::size_t line = 0; line < ChartFileLineCount; ++line) end = bytes.find("\r\n", end) + 2;
    return bytes.substr(0, end);
}

TEST_F(ChartCommand, SaveChartThenOpenGivesTheSameChartOnTheFilesOwnClock) {
    const struct {
        const char* place;
        const char* date;
        const char* time;
    } births[] = {
        {"Chennai, India", "1900-01-01", "12:00"},  // Madras time, +5:21:10
        {"Kolkata, India", "1943-08-15", "12:00"},  // war time
        {"New York", "1990-07-04", "12:00"},
        {"Kathmandu", "2000-07-01", "06:30"},       // +5:45, a row of its own
        {"New York", "1990-10-28", "01:30"},        // the earlier of a repeated hour
    };
    for (const auto& b : births) {
        SCOPED_TRACE(b.place);
        const std::string path = (folder_ / "saved.gvc").string();
        const std::vector<std::string> when = {"--name", "Meera", "--date", b.date, "--time", b.time,
                                               "--place", b.place};
        auto save = when;
        save.insert(save.end(), {"--save-chart", path});
        const auto saved = RunCommand(save);
        ASSERT_EQ(saved.status, 0) << saved.err;
        EXPECT_EQ(saved.out, "");

        // The first 15 lines are those a writer of the 15 lines alone gives for them.
        const std::string bytes = Read(path);
        BirthEntries entries;
        std::get<ChartFileClock>(ReadChartFile(bytes, entries));
        entries.TimeZoneRow = TimeZoneCount + 1;  // no zone: the 15 lines only
        EXPECT_EQ(FifteenLines(bytes), WriteChartFile(entries));

        for (const char* engine : {"classic", "precise"}) {
            auto direct = when;
            direct.insert(direct.end(), {"--json", "--engine", engine});
            const auto opened = RunCommand({"--open", path, "--json", "--engine", engine});
            ASSERT_EQ(opened.status, 0) << opened.err;
            const auto expected = nlohmann::json::parse(RunCommand(direct).out);
            const auto got = nlohmann::json::parse(opened.out);
            for (const char* key : {"Report", "UniversalTime", "Longitudes", "Panchang", "Vimshottari", "Place",
                                    "TimeZone", "ZoneOffsetSeconds", "DaylightSaving"}) {
                EXPECT_EQ(got[key], expected[key]) << engine << " " << key;
            }
        }
    }
}

TEST_F(ChartCommand, OpenTakesZoneFromTheCommandLineOverTheFile) {
    const std::string path = Write("asha.gvc", WriteChartFile(test::DelhiEntries()));
    const std::string fifteen = Write("old.gvc", FifteenLines(Read(path)));
    const struct {
        std::vector<std::string> args;
        int status;
        std::string errPart;
    } rows[] = {
        {{"--open", path}, 0, ""},
        {{"--open", path, "--zone", "34"}, 0, ""},
        {{"--open", path, "--zone", "0", "--dst"}, 0, ""},
        {{"--open", fifteen, "--zone", "34"}, 0, ""},
        {{"--open", fifteen}, 2, "--open: " + fifteen + " does not say its time zone: give --zone"},
        {{"--open", path, "--dst"}, 2, "--dst: give --zone with it"},
        {{"--save-chart", "x.gvc", "-o", "y"}, 2, "excludes"},
        {{"--save-chart", "x.gvc", "--json"}, 2, "excludes"},
        {{"--save-chart", "x.gvc", "--open", path}, 2, "excludes"},
        {{"--save-chart", "x.gvc", "--list-zones"}, 2, "excludes"},
    };
    for (const auto& row : rows) {
        const auto run = RunCommand(row.args);
        SCOPED_TRACE(row.args.back());
        EXPECT_EQ(run.status, row.status) << run.err;
        EXPECT_NE(run.err.find(row.errPart), std::string::npos) << run.err;
        EXPECT_EQ(run.out.empty(), row.status != 0);
    }
    EXPECT_EQ(RunCommand({"--open", path}).out, ExpectedDelhiReport());
    EXPECT_NE(RunCommand({"--open", path, "--zone", "0", "--dst"}).out, ExpectedDelhiReport());
}

TEST_F(ChartCommand, FailedOutputLeavesTheOldFileWhole) {
    const std::string target = Write("kept.txt", "old report");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    auto args = Delhi;
    args.insert(args.end(), {"-o", target});
    const auto run = RunCommand(args);
    fs::permissions(folder_, fs::perms::owner_all);
    if (::geteuid() != 0) {  // root writes anywhere
        EXPECT_NE(run.status, 0);
        EXPECT_NE(run.err.find(target), std::string::npos);
    }
    std::ifstream file(target, std::ios::binary);
    const std::string content(std::istreambuf_iterator<char>(file), {});
    EXPECT_TRUE(content == "old report" || run.status == 0);
}

TEST_F(ChartCommand, OutputKeepsPermissionsFollowsLinksAndNeverFollowsPlantedOnes) {
    for (const auto& mode : EveryMode()) {
        const std::string expected = RunCommand(mode).out;
        const std::string kept = Write("kept.txt", "old");
        fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write);
        const fs::path link = folder_ / "link.txt";
        fs::remove(link);
        fs::create_symlink("kept.txt", link);
        // Where a temporary file with a guessable name would go, a link to a victim.
        const std::string victim = Write("victim.txt", "victim");
        for (const fs::path& target : {fs::path(kept), link}) {
            fs::remove(target.string() + ".tmp-" + std::to_string(::getpid()));
            fs::create_symlink(victim, target.string() + ".tmp-" + std::to_string(::getpid()));
        }

        for (const fs::path& target : {fs::path(kept), link}) {
            auto args = mode;
            args.insert(args.end(), {"-o", target.string()});
            const auto run = RunCommand(args);
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(Read(kept), expected) << target;
            EXPECT_EQ(fs::status(kept).permissions(), fs::perms::owner_read | fs::perms::owner_write);
            EXPECT_TRUE(fs::is_symlink(link));
            EXPECT_EQ(Read(victim), "victim");
        }
    }
}

TEST_F(ChartCommand, OutputRefusesTargetsThatAreNoRegularFile) {
    const fs::path fifo = folder_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path folder = folder_ / "folder";
    fs::create_directory(folder);
    const fs::path folderLink = folder_ / "folder-link";
    fs::create_directory_symlink(folder, folderLink);

    for (const auto& mode : EveryMode()) {
        for (const fs::path& target : {fifo, folder, folderLink}) {
            auto args = mode;
            args.insert(args.end(), {"-o", target.string()});
            const auto run = RunCommand(args);
            EXPECT_EQ(run.status, 2) << target;
            EXPECT_EQ(run.out, "");
            EXPECT_NE(run.err.find(target.string() + " is not a regular file"), std::string::npos)
                << run.err;
        }
        EXPECT_TRUE(fs::is_fifo(fifo));
        EXPECT_TRUE(fs::is_directory(folder));
        EXPECT_TRUE(fs::is_symlink(folderLink));
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 0);
    }
}

TEST_F(ChartCommand, FailedWritesToStandardOutputExitOne) {
    auto modes = EveryMode();
    modes.push_back({"--list-zones"});
    modes.push_back({"--batch", modes[2][1], "-o", "-"});
    for (const auto& mode : modes) {
        FullDiskBuffer full;
        std::ostream out(&full);
        const auto run = RunCommand(mode, out);
        EXPECT_EQ(run.status, 1) << mode[0];
        EXPECT_NE(run.err.find("cannot write standard output: " + std::string(std::strerror(ENOSPC))),
                  std::string::npos)
            << run.err;
    }
}

TEST_F(ChartCommand, EngineAndJsonOptions) {
    // Precise values: swetest -b14.8.1947 -ut18:30:00 -sid1 -p0 -fPl -head gives the Sun
    // at 117.9890172.
    const struct {
        std::vector<std::string> extra;
        int status;
        const char* engine;  // of the JSON line; null for a report or a message
        const char* universalTime;
    } rows[] = {
        {{"--json"}, 0, "classic", "1947-08-14T18:30:00Z"},
        {{"--json", "--engine", "precise"}, 0, "precise", "1947-08-14T18:30:00Z"},
        {{"--json", "--engine", "precise", "--node", "true"}, 0, "precise", "1947-08-14T18:30:00Z"},
        {{"--engine", "precise"}, 0, nullptr, nullptr},
        {{"--engine", "exact"}, 2, nullptr, nullptr},
        {{"--node", "osculating"}, 2, nullptr, nullptr},
    };
    for (const auto& row : rows) {
        auto args = Delhi;
        args.insert(args.end(), row.extra.begin(), row.extra.end());
        const auto run = RunCommand(args);
        SCOPED_TRACE(args.back());
        ASSERT_EQ(run.status, row.status) << run.err;
        if (row.status != 0) {
            EXPECT_EQ(run.out, "");
        } else if (!row.engine) {
            // The same report, from other positions.
            const std::string classic = ExpectedDelhiReport();
            EXPECT_NE(run.out, classic);
            EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'),
                      std::count(classic.begin(), classic.end(), '\n'));
        } else {
            const auto line = nlohmann::json::parse(run.out);
            EXPECT_EQ(line["Engine"], row.engine);
            EXPECT_EQ(line["UniversalTime"], row.universalTime);
            EXPECT_EQ(line["Longitudes"].size(), 11u);
            EXPECT_EQ(line.contains("Retrograde"), std::string(row.engine) == "precise");
            if (line.contains("Retrograde")) {
                EXPECT_NEAR(line["Longitudes"]["Sun"].get<double>(), 117.9890172, 1e-6);
            }
        }
    }
}

TEST_F(ChartCommand, PreciseEngineRefusesADayTheCalendarLacks) {
    auto args = Delhi;
    args[3] = "1900-02-29";
    EXPECT_EQ(RunCommand(args).status, 0);  // the classic rule lets it pass
    args.insert(args.end(), {"--engine", "precise"});
    const auto run = RunCommand(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("29 February 1900"), std::string::npos) << run.err;
}

// A damaged planet file fails every way to a precise chart: exit 1 with the library's words
// naming the file, no chart, -o keeps its old file, a batch line gets the error in its place.
// The classic JSON chart's sunrise reads no file within the tabled days, so it is written. An
// over-long SE_EPHE_PATH fails the precise chart likewise.
TEST_F(ChartCommand, EphemerisFailuresExitOneAndWriteNoChart) {
    const std::string kept = Write("kept.json", "old chart");
    {
        const test::EphemerisFolder ephemeris("command", test::PlanetFile::Empty);
        const std::string message = "The Swiss Ephemeris cannot compute the chart: Ephemeris file " +
                                    ephemeris.PlanetFilePath() + " is damaged (0).";
        for (auto args : EveryMode()) {
            const bool batch = args.front() == "--batch";
            args.insert(args.end(), {"--json", "--engine", "precise", "-o", kept});
            SCOPED_TRACE(args.front());
            const auto run = RunCommand(args);
            EXPECT_EQ(run.status, 1);
            EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
            const std::string output = Read(kept);
            if (batch) {
                EXPECT_EQ(nlohmann::json::parse(output)["error"].get<std::string>().rfind(message, 0), 0u);
                Write("kept.json", "old chart");
            } else {
                EXPECT_EQ(output, "old chart");
            }
        }
        auto args = Delhi;
        args.insert(args.end(), {"--json", "--engine", "classic"});
        const auto run = RunCommand(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(nlohmann::json::parse(run.out)["Panchang"]["Sunrise"], "1947-08-15T05:49:37");
    }
    const std::string longPath(LongestEphemerisPath + 1, '/');
    setenv("SE_EPHE_PATH", longPath.c_str(), 1);
    auto args = Delhi;
    args.insert(args.end(), {"--engine", "precise"});
    const auto run = RunCommand(args);
    unsetenv("SE_EPHE_PATH");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "grahavani-chart: SE_EPHE_PATH is 243 bytes long, but the Swiss Ephemeris reads at "
                       "most 242: name the ephemeris folder by a shorter path.\n");
}

// A missing planet file: the Moshier theory, and a word naming the file.
TEST_F(ChartCommand, MissingEphemerisFileFallsBackToMoshierAndSaysWhich) {
    const test::EphemerisFolder ephemeris("command-missing", test::PlanetFile::Missing);
    auto args = Delhi;
    args.insert(args.end(), {"--json", "--engine", "precise"});
    const auto run = RunCommand(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(nlohmann::json::parse(run.out)["Ephemeris"], "Moshier");
    EXPECT_EQ(run.err.rfind("grahavani-chart: The Moshier theory stands in for a missing ephemeris file: "
                            "SwissEph file 'sepl_18.se1' not found",
                            0),
              0u)
        << run.err;
}

TEST_F(ChartCommand, FindPlacePrintsTheMostPopulousFirstUpToTheLimit) {
    const struct {
        std::vector<std::string> args;
        int status;
        std::size_t lines;
    } rows[] = {
        {{"--find-place", "San"}, 0, 10},
        {{"--find-place", "San", "--limit", "3"}, 0, 3},
        {{"--find-place", "Varanasi, India"}, 0, 1},
        {{"--find-place", "Qqxxzzy"}, 1, 0},
        {{"--find-place", "San", "--limit", "0"}, 2, 0},
        {{"--find-place", "San", "--limit", "1001"}, 2, 0},
        {{"--find-place", "San", "--date", "1947-08-15"}, 2, 0},
        {{"--limit", "3"}, 2, 0},
    };
    for (const auto& row : rows) {
        const auto run = RunCommand(row.args);
        SCOPED_TRACE(row.args.back());
        ASSERT_EQ(run.status, row.status) << run.err;
        std::istringstream lines(run.out);
        std::vector<nlohmann::json> places;
        for (std::string line; std::getline(lines, line);) places.push_back(nlohmann::json::parse(line));
        ASSERT_EQ(places.size(), row.lines);
        // Places named "San" itself come first, then the rest; each most populous first.
        const auto rank = [&](std::size_t i) {
            return std::make_pair(places[i]["Name"] != "San", -places[i]["Population"].get<double>());
        };
        for (std::size_t i = 0; i < places.size(); ++i) {
            EXPECT_EQ(places[i].size(), 7u);
            if (i > 0) {
                EXPECT_LE(rank(i - 1), rank(i));
            }
        }
    }
}

TEST_F(ChartCommand, PlaceStandsInForCoordinatesAndZone) {
    const std::vector<std::string> when = {"--name", "A", "--date", "1947-08-15", "--time", "00:00"};
    const struct {
        std::vector<std::string> extra;
        int status;
        const char* errPart;  // of standard error; empty when nothing is said
    } rows[] = {
        // The atlas's Delhi has 10.9 million people; "Delhi" also matches a smaller place.
        {{"--place", "Delhi", "--json"}, 0, "using Delhi, National Capital Territory of Delhi, India (an exact name; "},
        {{"--place", "Delh", "--json"}, 0, "using Delhi, National Capital Territory of Delhi, India (the most populous; "},
        {{"--place", "York"}, 0, "using York, England, United Kingdom (the most populous exact name; "},
        {{"--place", "Bath"}, 0, "using Bath, England, United Kingdom (an exact name; "},
        {{"--place", "London"}, 0, "using London, England, United Kingdom (the most populous exact name; "},
        {{"--place", "Varanasi, India"}, 0, ""},
        {{"--place", "Qqxxzzy"}, 2, "--place: no place in the atlas matches \"Qqxxzzy\""},
        {{"--place", "Delhi", "--lat", "28N39"}, 2, "excludes"},
        {{"--place", "Delhi", "--zone", "34"}, 2, "excludes"},
        {{"--fold", "1"}, 2, "requires"},
        {{"--place", "Delhi", "--fold", "2"}, 2, "--fold"},
    };
    for (const auto& row : rows) {
        auto args = when;
        args.insert(args.end(), row.extra.begin(), row.extra.end());
        const auto run = RunCommand(args);
        SCOPED_TRACE(row.extra.front());
        ASSERT_EQ(run.status, row.status) << run.err;
        if (*row.errPart) {
            EXPECT_NE(run.err.find(row.errPart), std::string::npos) << run.err;
        } else {
            EXPECT_EQ(run.err, "");
        }
        EXPECT_EQ(run.out.empty(), row.status != 0);
    }
    // A clock time that never happened is birth data that cannot be computed.
    const auto skipped = RunCommand({"--name", "A", "--date", "2021-03-14", "--time", "02:30", "--place",
                                     "New York", "--json"});
    EXPECT_EQ(skipped.status, 1);
    EXPECT_NE(skipped.err.find("never happened"), std::string::npos) << skipped.err;

    // So is a place whose zone file cannot be read; a pipe in its stead is not waited on.
    test::ZoneFolderForTests zones;
    ::setenv("TZDIR", zones.Path().c_str(), 1);
    for (const auto damage : {test::ZoneDamage::Garbage, test::ZoneDamage::Fifo}) {
        zones.Damage("Asia/Kolkata", damage);
        const auto unread = RunCommand({"--name", "A", "--date", "1947-08-15", "--time", "00:00", "--place", "Kolkata"});
        EXPECT_EQ(unread.status, 1);
        EXPECT_NE(unread.err.find("grahavani-chart: The time zone file " + (zones.Path() / "Asia/Kolkata").string()),
                  std::string::npos) << unread.err;
    }
    ::unsetenv("TZDIR");
}

TEST_F(ChartCommand, DashaYearIsStatedInTheJsonUnlessTheTimingIsLeftOut) {
    const struct {
        std::vector<std::string> extra;
        int status;
        double yearDays;  // 0: no timing in the line
    } rows[] = {{{}, 0, 365.25},
                {{"--dasha-year", "365.25"}, 0, 365.25},
                {{"--dasha-year", "365.2425"}, 0, 365.2425},
                {{"--dasha-year", "360"}, 0, 360},
                {{"--dasha-year", "364"}, 2, 0},
                {{"--no-timing"}, 0, 0},
                {{"--no-timing", "--dasha-year", "360"}, 2, 0}};
    for (const auto& row : rows) {
        auto args = Delhi;
        args.push_back("--json");
        args.insert(args.end(), row.extra.begin(), row.extra.end());
        const auto run = RunCommand(args);
        ASSERT_EQ(run.status, row.status) << run.err;
        if (row.status != 0) continue;
        const auto line = nlohmann::json::parse(run.out);
        if (row.yearDays == 0) {
            for (const char* field : {"Panchang", "Navamsa", "Vimshottari"}) {
                EXPECT_FALSE(line.contains(field)) << field;
            }
            for (const char* field : {"Longitudes", "MoonPada", "Planets"}) {
                EXPECT_TRUE(line.contains(field)) << field;
            }
        } else {
            EXPECT_EQ(line["Vimshottari"]["YearDays"], row.yearDays);
        }
    }
}


TEST_F(ChartCommand, OutputRefusesPathsToOpenDescriptors) {
    // A log the caller opened for appending, as `-o /dev/stdout >> log` would be.
    const std::string log = Write("log.txt", "earlier lines\n");
    const int appended = ::open(log.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    ASSERT_GE(appended, 0);
    const std::string descriptor = std::to_string(appended);
    const fs::path link = folder_ / "to-stdout";
    fs::create_symlink("/dev/stdout", link);
    for (const std::string& target :
         {std::string("/dev/stdout"), std::string("/dev/stderr"), std::string("/dev/stdin"),
          "/dev/fd/" + descriptor, "/proc/self/fd/" + descriptor,
          "/proc/" + std::to_string(::getpid()) + "/fd/" + descriptor, link.string()}) {
        auto args = Delhi;
        args.insert(args.end(), {"-o", target});
        const auto run = RunCommand(args);
        EXPECT_EQ(run.status, 2) << target;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "-o: " + target + " names an open descriptor, not a file; use -o - for "
                                             "standard output\n");
    }
    ::close(appended);
    EXPECT_EQ(Read(log), "earlier lines\n");
}

TEST_F(ChartCommand, TextsRefuseControlCharacters) {
    const struct {
        std::size_t index;  // in Delhi
        const char* value;
        const char* named;
    } cases[] = {
        {1, "Asha\r\nLagna / Asc: Mesha", "--name"}, {13, "New\tDelhi", "--city"},
        {15, "\x1b[2J", "--state"},                  {17, "India\x7f", "--country"},
        {17, "India\xc2\x9b" "2J", "--country"},     {11, "Indian Time, IST, +5.3\n", "--zone"},
    };
    for (const auto& c : cases) {
        auto args = Delhi;
        args[c.index] = c.value;
        const auto run = RunCommand(args);
        EXPECT_EQ(run.status, 2) << c.named;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(std::string(c.named) + ": must not hold control characters"),
                  std::string::npos)
            << run.err;
    }
    for (const auto& args : {std::vector<std::string>{"--name", "A", "--date", "1947-08-15", "--time",
                                                      "00:00", "--place", "Delhi\x1b"},
                             std::vector<std::string>{"--find-place", "San\n"}}) {
        EXPECT_EQ(RunCommand(args).status, 2) << args.back();
    }
    EXPECT_EQ(RunCommand(Delhi).status, 0);

    // A batch's texts: the line is an error that names the field.
    const std::string record = Read(EveryMode()[2][1]);
    const std::string when = R"({"Name":"A","Day":15,"Month":8,"Year":1947,"Hour":0,"Minute":0,)";
    const struct {
        std::string line;
        const char* field;
    } lines[] = {{std::regex_replace(record, std::regex(R"("Name":"A")"), R"("Name":"A\u0085")"), "Name"},
                 {std::regex_replace(record, std::regex(R"("City":"C")"), R"("City":"C\u001b")"), "City"},
                 {when + R"("Place":"Delhi\n"})", "Place"}};
    for (const auto& l : lines) {
        const auto run = RunCommand({"--batch", Write("texts.jsonl", l.line)});
        EXPECT_EQ(run.status, 1) << l.field;
        EXPECT_EQ(nlohmann::json::parse(run.out)["error"],
                  "field " + std::string(l.field) +
                      " must not hold control characters (line breaks, tabs, escapes)");
    }
}

TEST_F(ChartCommand, OutputAndChoiceArgumentsRefuseWhatTheyDoNotDocument) {
    // Only the documented words, not the values they stand for.
    for (const std::vector<std::string>& extra :
         {std::vector<std::string>{"--engine", "1"}, {"--node", "1"}, {"--json", "--dasha-year", "0"}}) {
        auto args = Delhi;
        args.insert(args.end(), extra.begin(), extra.end());
        EXPECT_EQ(RunCommand(args).status, 2) << extra.back();
    }

    // Names up to NAME_MAX, and two long names that start alike, side by side.
    for (const std::size_t bytes : {230, 231, 248, 255}) {
        for (const char last : {'x', 'y'}) {
            const fs::path target = folder_ / (std::string(bytes - 1, 'n') + last);
            const auto run = RunCommand({"--list-zones", "-o", target.string()});
            EXPECT_EQ(run.status, 0) << bytes << run.err;
            EXPECT_TRUE(fs::exists(target)) << bytes;
        }
    }

    // A write-protected file is replaced only with --force, keeping its mode.
    const std::string kept = Write("kept.txt", "old report");
    fs::permissions(kept, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    auto args = Delhi;
    args.insert(args.end(), {"-o", kept});
    const auto refused = RunCommand(args);
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "-o: " + kept + " is write-protected; give --force to replace it\n");
    EXPECT_EQ(Read(kept), "old report");
    args.push_back("--force");
    EXPECT_EQ(RunCommand(args).status, 0);
    EXPECT_EQ(Read(kept), ExpectedDelhiReport());
    EXPECT_EQ(fs::status(kept).permissions(),
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    // A folder that does not exist is a refused target.
    const std::string lost = (folder_ / "missing" / "report.txt").string();
    const auto missing = RunCommand({"--list-zones", "-o", lost});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "-o: cannot create " + lost + ": its folder does not exist\n");
}

// Each predefined ayanamsa at three dates: the lagna, nakshatra, navamsa, yoga and first
// mahadasha follow the chart's own longitudes, and the 26-line report keeps its lines.
TEST_F(ChartCommand, EveryAyanamsaShapesWhatFollowsFromTheLongitudes) {
    constexpr double Nakshatra = 40.0 / 3;
    constexpr std::array<std::string_view, 9> VimshottariLords = {"Ketu", "Venus", "Sun",  "Moon",   "Mars",
                                                                  "Rahu", "Jupiter", "Saturn", "Mercury"};
    const auto sign = [](double longitude, double span) {
        return std::string(SignAbbreviation(static_cast<int>(std::floor(longitude / span)) % 12));
    };
    for (const char* date : {"1900-03-01", "2000-01-01", "2050-11-30"}) {
        for (std::size_t i = 0; i + 1 < AyanamsaNames.size(); ++i) {
            auto args = Delhi;
            args[3] = date;
            args.insert(args.end(), {"--json", "--engine", "precise", "--ayanamsa", std::string(AyanamsaNames[i])});
            SCOPED_TRACE(args.back() + " " + date);
            const auto run = RunCommand(args);
            ASSERT_EQ(run.status, 0) << run.err;
            const auto line = nlohmann::json::parse(run.out);
            const auto& at = line["Longitudes"];
            const double moon = at["Moon"].get<double>();
            const auto star = static_cast<std::size_t>(moon / Nakshatra);
            EXPECT_EQ(line["LagnaSign"], sign(at["Ascendant"].get<double>(), 30));
            EXPECT_EQ(line["MoonNakshatra"], NakshatraNames[star]);
            for (const auto& [body, longitude] : at.items()) {
                if (body == "Midheaven") continue;
                EXPECT_EQ(line["Navamsa"][body], sign(longitude.get<double>(), 10.0 / 3)) << body;
            }
            const double sum = std::fmod(at["Sun"].get<double>() + moon, 360);
            EXPECT_EQ(line["Panchang"]["YogaNumber"], static_cast<int>(sum / Nakshatra) + 1);
            EXPECT_EQ(line["Vimshottari"]["Periods"][0]["Lord"], VimshottariLords[star % 9]);
            const std::string report = line["Report"];
            EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 26);
        }
    }
}

// The ayanamsa options' refusals: exit 2, nothing written, the option named; a batch refuses
// before its first line.
TEST_F(ChartCommand, AyanamsaAndTimingOptionsRefuseWhatTheyCannotHonour) {
    const struct {
        std::vector<std::string> extra;
        const char* named;  // null: accepted
    } rows[] = {
        {{"--ayanamsa", "lahiri"}, "--engine precise"},
        {{"--engine", "classic", "--ayanamsa-value", "23.5"}, "--engine precise"},
        {{"--engine", "precise", "--ayanamsa", "raman", "--ayanamsa-value", "23.5"}, "--ayanamsa"},
        {{"--engine", "precise", "--ayanamsa", "own-value"}, "--ayanamsa: expected one of aryabhata,"},
        {{"--engine", "precise", "--ayanamsa", "Raman"}, "--ayanamsa"},
        {{"--engine", "precise", "--ayanamsa-value", "60.1"}, "--ayanamsa-value"},
        {{"--engine", "precise", "--ayanamsa-value", "nan"}, "--ayanamsa-value"},
        {{"--engine", "precise", "--ayanamsa-value", "-0.5"}, "--ayanamsa-value"},
        {{"--engine", "precise", "--ayanamsa-value", "1e1"}, "--ayanamsa-value"},
        {{"--engine", "precise", "--ayanamsa-value", "60"}, nullptr},
        {{"--engine", "precise", "--ayanamsa", "usha-shashi"}, nullptr},
        {{"--sunrise", "upper-limb"}, "--sunrise"},
        {{"--sunrise", "true-centre"}, nullptr},
        {{"--dasha-depth", "0"}, "--dasha-depth"},
        {{"--dasha-depth", "6"}, "--dasha-depth"},
        {{"--dasha-depth", "05"}, "--dasha-depth"},
        {{"--dasha-depth", "5"}, nullptr},
        {{"--dasha-at", "1990-02-30"}, "--dasha-at"},
        {{"--dasha-at", "1990-01-01 10:00"}, "--dasha-at"},
        {{"--dasha-at", "1990-01-01T24:00"}, "--dasha-at"},
        {{"--dasha-at", "1990-01-01T10:00:00"}, "--dasha-at"},
        {{"--dasha-at", "1990-01-01T10:00"}, nullptr},
        {{"--no-timing", "--sunrise", "true-centre"}, "--sunrise"},
        {{"--no-timing", "--dasha-depth", "3"}, "--dasha-depth"},
        {{"--no-timing", "--dasha-at", "1990-01-01"}, "--dasha-at"},
        {{"--no-timing", "--yogini"}, "--yogini"},
        {{"--no-timing", "--ashtottari"}, "--ashtottari"},
    };
    for (const auto& row : rows) {
        for (auto args : EveryMode()) {
            args.insert(args.end(), row.extra.begin(), row.extra.end());
            args.push_back("--json");
            SCOPED_TRACE(args.front() + " " + row.extra.back());
            const auto run = RunCommand(args);
            if (!row.named) {
                EXPECT_EQ(run.status, 0) << run.err;
                continue;
            }
            EXPECT_EQ(run.status, 2);
            EXPECT_EQ(run.out, "");
            EXPECT_NE(run.err.find(row.named), std::string::npos) << run.err;
        }
    }
}

// A value of one's own: Sun and Moon at the tropical place less exactly that much.
TEST_F(ChartCommand, OwnAyanamsaValueIsTheAmountSubtracted) {
    auto lahiri = Delhi;
    lahiri.insert(lahiri.end(), {"--json", "--engine", "precise"});
    const auto reference = nlohmann::json::parse(RunCommand(lahiri).out);
    const double ayanamsa = reference["Ayanamsa"];
    for (const char* value : {"0", "0.5", "23.5", "60"}) {
        auto args = lahiri;
        args.insert(args.end(), {"--ayanamsa-value", value});
        const auto run = RunCommand(args);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto line = nlohmann::json::parse(run.out);
        EXPECT_EQ(line["Ayanamsa"], std::stod(value));
        for (const char* body : {"Sun", "Moon"}) {
            const double tropical = reference["Longitudes"][body].get<double>() + ayanamsa;
            EXPECT_NEAR(line["Longitudes"][body].get<double>(), std::fmod(tropical - std::stod(value) + 360, 360),
                        1e-9) << value << " " << body;
        }
    }
}

TEST_F(ChartCommand, VargasAndStrengthsFollowFromTheLineAndMatchTheBatch) {
    const auto modes = EveryMode();
    const std::vector<std::string> keys = {"Vargas", "Ashtakavarga", "Shadbala"};
    for (const char* engine : {"classic", "precise"}) {
        SCOPED_TRACE(engine);
        auto single = Delhi;
        single.insert(single.end(), {"--json", "--engine", engine});
        const auto one = RunCommand(single);
        ASSERT_EQ(one.status, 0) << one.err;
        const auto line = nlohmann::json::parse(one.out);

        auto batch = modes[2];
        batch.insert(batch.end(), {"--engine", engine});
        const auto plain = nlohmann::json::parse(RunCommand(batch).out);
        batch.insert(batch.end(), {"--vargas", "--ashtakavarga", "--shadbala"});
        const auto full = nlohmann::json::parse(RunCommand(batch).out);
        for (const auto& key : keys) {
            EXPECT_EQ(full[key], line[key]) << key;
            EXPECT_FALSE(plain.contains(key)) << key;
        }

        const auto& vargas = line["Vargas"];
        ASSERT_EQ(vargas.size(), VargaDivisions.size());
        for (const auto& [body, longitude] : line["Longitudes"].items()) {
            if (body == "Midheaven") continue;
            EXPECT_EQ(vargas["D9"][body]["Sign"], line["Navamsa"][body]) << body;
            for (const int division : VargaDivisions) {
                const double degrees = vargas["D" + std::to_string(division)][body]["Degrees"];
                EXPECT_NEAR(degrees, std::fmod(longitude.get<double>() * division, 30.0), 1e-9);
            }
        }

        const auto& bindus = line["Ashtakavarga"];
        const std::map<std::string, int> totals = {{"Sun", 48}, {"Moon", 49}, {"Mars", 39}, {"Mercury", 54},
                                                   {"Jupiter", 56}, {"Venus", 52}, {"Saturn", 39}};
        std::array<int, 12> sarva{};
        for (const auto& [planet, total] : totals) {
            const auto row = bindus["Bhinna"][planet].get<std::vector<int>>();
            ASSERT_EQ(row.size(), 12u);
            EXPECT_EQ(std::accumulate(row.begin(), row.end(), 0), total) << planet;
            for (std::size_t sign = 0; sign < 12; ++sign) sarva[sign] += row[sign];
        }
        EXPECT_EQ(bindus["Sarva"].get<std::vector<int>>(), std::vector<int>(sarva.begin(), sarva.end()));

        const auto& shadbala = line["Shadbala"];
        ASSERT_EQ(shadbala.size(), 7u);
        for (const auto& [planet, strength] : shadbala.items()) {
            SCOPED_TRACE(planet);
            const auto& parts = strength["Components"];
            double sthana = 0, kala = 0;
            for (const char* part : {"Uchcha", "Saptavargaja", "Ojayugma", "Kendra", "Drekkana"}) sthana += parts[part].get<double>();
            for (const char* part : {"Nathonnatha", "Paksha", "Tribhaga", "Abda", "Masa", "Vara", "Hora", "Ayana", "Yuddha"}) {
                kala += parts[part].get<double>();
            }
            EXPECT_NEAR(strength["Sthana"].get<double>(), sthana, 1e-9);
            EXPECT_NEAR(strength["Kala"].get<double>(), kala, 1e-9);
            double total = 0;
            for (const char* part : {"Sthana", "Dig", "Kala", "Cheshta", "Naisargika", "Drik"}) total += strength[part].get<double>();
            EXPECT_NEAR(strength["Total"].get<double>(), total, 1e-9);
            EXPECT_NEAR(strength["Rupas"].get<double>() * 60, total, 1e-9);
            EXPECT_NEAR(strength["Ratio"].get<double>(),
                        strength["Rupas"].get<double>() / strength["Required"].get<double>(), 1e-12);
        }
        EXPECT_EQ(shadbala["Jupiter"]["Components"]["Tribhaga"], 60.0);
        // One lord each of the year, the month, the weekday, the hora and the birth's third.
        const std::vector<std::pair<std::string, double>> lordships = {
            {"Abda", 15}, {"Masa", 30}, {"Vara", 45}, {"Hora", 60}, {"Tribhaga", 60}};
        for (const auto& [part, virupas] : lordships) {
            int lords = 0;
            for (const auto& [planet, strength] : shadbala.items()) {
                lords += planet != "Jupiter" || part != "Tribhaga" ? strength["Components"][part] == virupas : 0;
            }
            EXPECT_EQ(lords, 1) << part;
        }
    }
}

// Whether a JSON value at `key` (its parent's key for an array's element) is a text for a reader.
bool IsReaderText(const std::string& key) {
    return (key.ends_with("Text") || key == "LagnaName" || key == "PlanetTexts" || key == "PositionTexts" ||
            key == "Report");
}

// Compares a line in another language with the English one: the same keys everywhere, the same
// values but for the texts for a reader, which hold no Latin letter (the report aside, which
// holds the person's name and place as typed).
void CompareWithEnglish(const nlohmann::json& english, const nlohmann::json& other, const std::string& key) {
    ASSERT_EQ(english.type(), other.type()) << key;
    if (english.is_object()) {
        ASSERT_EQ(english.size(), other.size()) << key;
        for (const auto& [name, value] : english.items()) {
            ASSERT_TRUE(other.contains(name)) << key << "." << name;
            CompareWithEnglish(value, other[name], name);
        }
    } else if (english.is_array()) {
        ASSERT_EQ(english.size(), other.size()) << key;
        for (std::size_t i = 0; i < english.size(); ++i) CompareWithEnglish(english[i], other[i], key);
    } else if (IsReaderText(key) && english.is_string()) {
        if (key != "Report") {
            EXPECT_TRUE(test::LatinWords(other.get<std::string>()).empty()) << key << ": " << other;
        }
        if (english.get<std::string>().find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos) {
            EXPECT_NE(english, other) << key;
        }
    } else {
        EXPECT_EQ(english, other) << key;
    }
}

TEST_F(ChartCommand, LanguageWritesTheTextsForAReaderAndKeepsTheCodes) {
    auto modes = EveryMode();
    modes.push_back({"--name", "A", "--date", "1947-08-15", "--time", "00:00", "--place", "Delhi"});
    for (auto mode : modes) {
        SCOPED_TRACE(mode.front());
        const bool batch = mode.front() == "--batch";
        const auto withLanguage = [&](std::vector<std::string> extra) {
            auto args = mode;
            args.insert(args.end(), extra.begin(), extra.end());
            const auto run = RunCommand(args);
            EXPECT_EQ(run.status, 0) << run.err;
            return run.out;
        };
        EXPECT_EQ(withLanguage({"--language", "en"}), withLanguage({}));
        if (!batch) {
            EXPECT_EQ(withLanguage({"--language", "en", "--json"}), withLanguage({"--json"}));
        }
        const auto english = nlohmann::json::parse(withLanguage(batch ? std::vector<std::string>{}
                                                                      : std::vector<std::string>{"--json"}));
        for (const std::string language : {"hi", "ta"}) {
            SCOPED_TRACE(language);
            const std::string report = withLanguage({"--language", language});
            if (!batch) {
                EXPECT_NE(report.find("\r\n"), std::string::npos);
            }
            auto json = batch ? std::vector<std::string>{"--language", language}
                              : std::vector<std::string>{"--language", language, "--json"};
            const auto line = nlohmann::json::parse(withLanguage(json));
            CompareWithEnglish(english, line, "");
            if (!batch) {
                EXPECT_EQ(line["Report"], report);
            }
        }
    }
    for (const std::vector<std::string>& refused : {std::vector<std::string>{"--language", "xx"},
                                                   {"--language", "HI"},
                                                   {"--language", "hi", "--pdf", "x.pdf", "--json"}}) {
        auto args = Delhi;
        args.insert(args.end(), refused.begin(), refused.end());
        const auto run = RunCommand(args);
        EXPECT_EQ(run.status, 2) << refused[1];
        EXPECT_EQ(run.out, "");
        if (refused.size() == 2) {
            EXPECT_NE(run.err.find("en, hi, ta"), std::string::npos) << run.err;
        }
    }
}

}  // namespace
}  // namespace grahavani
