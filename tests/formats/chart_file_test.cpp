#include "formats/chart_file.h"

#include <gtest/gtest.h>

#include "formats/text_codec.h"
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
        "77", "13", "East", "New Delhi", "", "India"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(bytes.substr(bytes.size() - 7), "\x9E\xC3\xB9\xBE\xB6\r\n");
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
        ReadChartFile(bytes, read);
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

}  // namespace
}  // namespace grahavani
