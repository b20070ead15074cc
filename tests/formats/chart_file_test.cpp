#include "formats/chart_file.h"

#include <gtest/gtest.h>

#include "tests/translation/latin_words.h"

#include "atlas/place_birth_record.h"
#include "atlas/place_search.h"
#include "formats/text_codec.h"
#include "model/reference_tables.h"
#include "tests/chart/test_births.h"

namespace grahavani {
namespace {

BirthEntries Sample() {
    BirthEntries e = test::DelhiEntries();
    e.Name = " Jos\u00E9 \u0930\u093E\u092E ";
    e.State = "";
    return e;
}

TEST(WriteChartFile, FifteenEncodedLinesWithCrLf) {
    const std::string bytes = WriteChartFile(Sample());
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(DecodeText(bytes.substr(start, end - start)));
    }
    EXPECT_EQ(start, bytes.size());
    const std::vector<std::string> expected = {
        "Jos\u00E9 \u0930\u093E\u092E", "15", "August", "1947", "0", "0", "28", "39", "North",
        "77", "13", "East", "New Delhi", "", "India",
        "Zone=Indian Time, IST, +5.3", "DaylightSaving=0"};
    EXPECT_EQ(lines, expected);
    EXPECT_NE(bytes.find("\x9E\xC3\xB9\xBE\xB6\r\n"), std::string::npos);  // "India"
}

TEST(ReadChartFile, RoundTripsWithCrLfOrLf) {
    const std::string crlf = WriteChartFile(Sample());
    std::string lf;
    for (char c : crlf) {
        if (c != '\r') lf += c;
    }
    for (const std::string& bytes : {crlf, lf}) {
        BirthEntries read;
        read.TimeZoneRow = 34;
        read.DaylightSaving = true;
        ReadChartFile(bytes.substr(0, bytes.find(EncodeText("Zone="))), read);
        EXPECT_EQ(read.Name, "Jos\u00E9 \u0930\u093E\u092E");
        EXPECT_EQ(read.Month, "August");
        EXPECT_FALSE(read.IsSouth);
        EXPECT_TRUE(read.IsEast);
        EXPECT_EQ(read.State, "");
        EXPECT_EQ(read.Country, "India");
        EXPECT_EQ(read.TimeZoneRow, 34u);  // not stored in the file
        EXPECT_TRUE(read.DaylightSaving);
    }
}

TEST(ReadChartFile, EmptyAndShortFilesGiveEmptyFieldsSouthAndWest) {
    for (const std::string& bytes : {std::string(), std::string(15, '\n'),
                                    std::string("\r\n\r\n")}) {
        BirthEntries read = Sample();
        ReadChartFile(bytes, read);
        EXPECT_EQ(read.Name, "");
        EXPECT_EQ(read.Country, "");
        EXPECT_TRUE(read.IsSouth);
        EXPECT_FALSE(read.IsEast);
    }
}

TEST(ReadChartFile, IgnoresLinesAfterTheFifteenthAndBytesPastTheLimit) {
    std::string bytes = WriteChartFile(Sample()) + EncodeText("extra") + "\r\n";
    BirthEntries read;
    ReadChartFile(bytes, read);
    EXPECT_EQ(read.Country, "India");

    // One endless line: only the first 64 KiB are looked at.
    const std::string endless(ChartFileReadLimit * 4, '\xB6');
    ReadChartFile(endless, read);
    EXPECT_EQ(read.Name.size(), ChartFileReadLimit);
    EXPECT_EQ(read.Day, "");
}

// Entries as choosing the atlas place on the entry form leaves them.
BirthEntries AtlasEntries(const char* place, const char* year, const char* month) {
    BirthEntries e = test::DelhiEntries();
    e.Year = year;
    e.Month = month;
    e.Hour = "12";
    const auto matches = FindPlaces(place, 1);
    EXPECT_EQ(matches.Places.size(), 1u) << place;
    if (!matches.Places.empty()) {
        EXPECT_EQ(EnterPlaceInEntries(*matches.Places[0], 0, e).index(), 0u) << place;
    }
    return e;
}

TEST(ReadChartFile, WrittenClockReopensTheSameChart) {
    BirthEntries handPicked = test::DelhiEntries();
    handPicked.TimeZoneRow = 27;
    handPicked.DaylightSaving = true;
    const struct {
        BirthEntries entries;
        const char* atlasZone;
        const char* zoneLine;
        std::int32_t offsetSeconds;
    } cases[] = {
        {AtlasEntries("Chennai", "1900", "January"), "Asia/Kolkata", "Chennai 1900, MMT, +5:21:10", 19270},
        {AtlasEntries("Kolkata", "1943", "August"), "Asia/Kolkata", "Indian Time, IST, +5.3", 19800},
        {AtlasEntries("New York", "1990", "July"), "America/New_York", "Eastern Standard Time,EST,-5.0", -18000},
        {handPicked, "", "Eastern Standard Time,EST,-5.0", -18000},
    };
    for (const auto& c : cases) {
        const std::string bytes = WriteChartFile(c.entries, c.atlasZone);
        EXPECT_NE(DecodeText(bytes).find("Zone=" + std::string(c.zoneLine)), std::string::npos) << c.zoneLine;
        EXPECT_TRUE(CouldBeChartFile(bytes));
        BirthEntries read = test::DelhiEntries();  // the form's zone is another
        const auto clock = ReadChartFile(bytes, read);
        ASSERT_EQ(clock.index(), 0u) << std::get<std::string>(clock);
        EXPECT_TRUE(std::get<ChartFileClock>(clock).StatesZone);
        EXPECT_EQ(std::get<ChartFileClock>(clock).AtlasTimeZone, c.atlasZone);
        EXPECT_EQ(WriteChartFile(read, c.atlasZone), bytes);
        const BirthRecord written = ToBirthRecord(c.entries), reopened = ToBirthRecord(read);
        EXPECT_EQ(reopened.ZoneOffsetSeconds, c.offsetSeconds) << c.zoneLine;
        EXPECT_EQ(reopened.ZoneOffsetSeconds, written.ZoneOffsetSeconds);
        EXPECT_EQ(reopened.ZoneHours * 60 + reopened.ZoneMinutes, written.ZoneHours * 60 + written.ZoneMinutes);
        EXPECT_EQ(reopened.DaylightSaving, written.DaylightSaving);
        EXPECT_EQ(reopened.City, written.City);
    }

    // A file of the 15 lines alone keeps the form's zone.
    const std::string bytes = WriteChartFile(cases[0].entries);
    BirthEntries read = handPicked;
    const auto clock = ReadChartFile(bytes.substr(0, bytes.find(EncodeText("Zone="))), read);
    EXPECT_FALSE(std::get<ChartFileClock>(clock).StatesZone);
    EXPECT_EQ(read.TimeZoneRow, 27u);
    EXPECT_TRUE(read.DaylightSaving);
    EXPECT_EQ(read.City, "Chennai");
}

TEST(ReadChartFile, BadClockLineIsNamedAndChangesNothing) {
    const std::string fifteen = WriteChartFile(Sample()).substr(0, WriteChartFile(Sample()).find(EncodeText("Zone=")));
    const struct {
        std::vector<std::string> lines;
        const char* message;  // empty: read, the unknown line ignored
    } cases[] = {
        {{"Zone=Indian Time, IST, +5.3", "Colour=red", "no key"}, ""},
        {{"Zone=Indian Time, IST, +5.3", "DaylightSaving=2"}, "The chart file's DaylightSaving line holds \"2\": expected 0 or 1"},
        {{"Zone=Indian Time, IST, +5.3", "OffsetSeconds=5h"},
         "The chart file's OffsetSeconds line holds \"5h\": expected whole seconds from -64800 to 64800"},
        {{"Zone=X", "OffsetSeconds=99999"},
         "The chart file's OffsetSeconds line holds \"99999\": expected whole seconds from -64800 to 64800"},
        {{"Zone="}, "The chart file's Zone line holds \"\": expected the text of a time-zone row"},
        {{"Zone=Lanka 1950, +5:30"}, "The chart file's zone \"Lanka 1950, +5:30\" is no row of the zone list and the "
                                   "file gives no OffsetSeconds line for it"},
    };
    for (const auto& c : cases) {
        std::string bytes = fifteen;
        for (const std::string& line : c.lines) bytes += EncodeText(line) + "\r\n";
        BirthEntries read;
        read.TimeZoneRow = 3;
        const auto clock = ReadChartFile(bytes, read);
        if (*c.message == '\0') {
            EXPECT_EQ(read.TimeZoneRow, 34u);
            continue;
        }
        ASSERT_EQ(clock.index(), 1u) << c.lines[0];
        EXPECT_EQ(std::get<std::string>(clock), c.message);
        EXPECT_EQ(read.TimeZoneRow, 3u);
        EXPECT_EQ(read.Name, "");
        // In Tamil the same problem, the file's keys and values as it holds them, no English besides.
        const auto tamil = ReadChartFile(bytes, read, Language::Tamil);
        ASSERT_EQ(tamil.index(), 1u) << c.lines[0];
        const std::string keysAndValues = c.lines.back() + " OffsetSeconds";
        for (const std::string& word : test::LatinWords(std::get<std::string>(tamil))) {
            EXPECT_NE(keysAndValues.find(word), std::string::npos) << std::get<std::string>(tamil);
        }
    }
}

TEST(CouldBeChartFile, RefusesPicturesTextAndEmptyOrHugeFiles) {
    BirthEntries devanagari = Sample();
    devanagari.Name = devanagari.City = devanagari.State = devanagari.Country = "\u0930\u093E\u092E\u092A\u0941\u0930";
    BirthEntries tamil = Sample();
    tamil.Name = tamil.City = tamil.State = tamil.Country = "\u0B9A\u0BC6\u0BA9\u0BCD\u0BA9\u0BC8";  // சென்னை
    for (const BirthEntries* entries : {&devanagari, &tamil}) {  // reopened whole
        BirthEntries read;
        ASSERT_TRUE(std::holds_alternative<ChartFileClock>(ReadChartFile(WriteChartFile(*entries), read)));
        EXPECT_EQ(WriteChartFile(read), WriteChartFile(*entries));
        EXPECT_EQ(read.Name, entries->Name);
        EXPECT_EQ(read.Country, entries->Country);
    }
    std::string stray = WriteChartFile(Sample());
    stray.insert(3, 1, '\x10');
    const struct {
        std::string bytes;
        bool couldBe;
    } cases[] = {
        {WriteChartFile(Sample()), true},
        {WriteChartFile(devanagari), true},  // escapes only, all below the shift
        {WriteChartFile(tamil), true},
        {std::string(15, '\n'), true},
        {stray, true},
        {EncodeText("Asha") + "\r\n" + EncodeText("15") + "\r\n", true},
        {"", false},
        {std::string(1 << 20, '\xB6'), false},
        {std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10", 20), false},
        {"Name: Asha Rao\r\nDate of Birth: August 15, 1947\r\n", false},
        {std::string("\xB6\xB7\0\xB8", 4), false},
    };
    for (const auto& c : cases) EXPECT_EQ(CouldBeChartFile(c.bytes), c.couldBe) << c.bytes.substr(0, 20);
    EXPECT_EQ(NotAChartFileMessage("photo.png"), "photo.png is not a chart file");
    EXPECT_EQ(NotAChartFileMessage("photo.png", Language::Tamil),
              "photo.png \u0B9C\u0BBE\u0BA4\u0B95\u0B95\u0BCD \u0B95\u0BCB\u0BAA\u0BCD\u0BAA\u0BC1 "
              "\u0B85\u0BB2\u0BCD\u0BB2");  // photo.png ஜாதகக் கோப்பு அல்ல
}

}  // namespace
}  // namespace grahavani
