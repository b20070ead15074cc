#include "atlas/zone_file.h"

#include <gtest/gtest.h>

#include "tests/atlas/zone_folder_for_tests.h"

namespace grahavani {
namespace {

using test::ZoneDamage;

TEST(ZoneFile, RefusesADamagedOrIrregularFileWithAMessage) {
    test::ZoneFolderForTests folder;
    const struct {
        ZoneDamage damage;
        const char* problem;
    } rows[] = {
        {ZoneDamage::Empty, "is cut short"},
        {ZoneDamage::CutShort, "is cut short"},
        {ZoneDamage::Garbage, "is not a compiled zone file (it does not start with TZif)"},
        {ZoneDamage::BadClockIndex, "is damaged (a change of clock names no clock)"},
        {ZoneDamage::Fifo, "is not a regular file"},  // and is not opened: a read would wait for a writer
        {ZoneDamage::Folder, "is not a regular file"},
    };
    for (const auto& row : rows) {
        folder.Damage("Test/Zone", row.damage);
        const auto read = ReadZoneFile(folder.Path(), "Test/Zone");
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << row.problem;
        EXPECT_EQ(std::get<std::string>(read), "The time zone file " + (folder.Path() / "Test/Zone").string() + " " +
                                                   row.problem +
                                                   "; reinstall the tz database (tzdata) or point TZDIR at a sound copy.");
    }
    for (const char* name : {"Nowhere/Zone", "../zoneinfo/Asia/Kolkata", "/etc/passwd", "Asia//Kolkata"}) {
        const auto read = ReadZoneFile(folder.Path(), name);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << name;
        EXPECT_EQ(std::get<std::string>(read), "The time zone \"" + std::string(name) + "\" is not in the tz database.");
    }
}

TEST(ZoneFile, ReadsTheHistoryOfACopyAsOfTheSystemFile) {
    test::ZoneFolderForTests folder;
    folder.Copy("Europe/London");
    const auto copy = ReadZoneFile(folder.Path(), "Europe/London");
    const auto system = ReadZoneFile("/usr/share/zoneinfo", "Europe/London");
    ASSERT_TRUE(std::holds_alternative<ZoneHistory>(copy));
    ASSERT_TRUE(std::holds_alternative<ZoneHistory>(system));
    const auto& periods = std::get<ZoneHistory>(copy);
    ASSERT_EQ(periods.size(), std::get<ZoneHistory>(system).size());
    EXPECT_GT(periods.size(), 100u);
    EXPECT_EQ(periods.front().Abbreviation, "LMT");
    EXPECT_EQ(periods.front().OffsetSeconds, -75);
}

}  // namespace
}  // namespace grahavani
