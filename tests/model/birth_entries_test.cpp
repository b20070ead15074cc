#include "model/birth_entries.h"

#include <gtest/gtest.h>

#include "model/reference_tables.h"
#include "tests/chart/test_births.h"

namespace grahavani {
namespace {

BirthEntries Complete() { return test::DelhiEntries(); }

std::string MessageFor(const BirthEntries& e) {
    const auto problem = CheckBirthEntries(e);
    return problem ? problem->message : "";
}

TEST(CheckBirthEntries, EmptyFieldsInTheFormsOrder) {
    BirthEntries e;  // every text empty
    const std::pair<std::string BirthEntries::*, const char*> order[] = {
        {&BirthEntries::Name, "Please Enter Your Name"},
        {&BirthEntries::LatitudeDegrees, "Please Enter Degree of Latitude"},
        {&BirthEntries::LatitudeMinutes, "Please Enter Minutes of Latitude"},
        {&BirthEntries::LongitudeDegrees, "Please Enter Degree of Longitude"},
        {&BirthEntries::LongitudeMinutes, "Please Enter Minute of Longitude"},
        {&BirthEntries::City, "Please Enter Your City name"},
        {&BirthEntries::State, "Please Enter Your State name"},
        {&BirthEntries::Country, "Please Enter Your Country name"},
    };
    for (const auto& [field, message] : order) {
        EXPECT_EQ(MessageFor(e), message);
        e.*field = Complete().*field;
    }
    // The list values come after the empty fields, so a day of "" fails here.
    EXPECT_EQ(MessageFor(e), "Please choose the day of birth from 1 to 31");
    BirthEntries oneBlank = Complete();
    oneBlank.Name = " ";
    EXPECT_EQ(MessageFor(oneBlank), "");
}

TEST(CheckBirthEntries, CalendarTests) {
    const struct {
        const char *day, *month, *year, *message;
    } cases[] = {
        {"31", "April", "1990", "Please Enter Correct Date Or Month !"},
        {"31", "November", "1990", "Please Enter Correct Date Or Month !"},
        {"30", "April", "1990", ""},
        {"29", "February", "2001", "Please Enter Correct Date Or Month!"},
        {"29", "February", "2000", ""},
        {"29", "February", "1900", ""},
        {"30", "February", "2000", "Please Enter Correct Date Or Month!"},
        {"31", "December", "2050", ""},
    };
    for (const auto& c : cases) {
        BirthEntries e = Complete();
        e.Day = c.day;
        e.Month = c.month;
        e.Year = c.year;
        EXPECT_EQ(MessageFor(e), c.message) << c.day << " " << c.month << " " << c.year;
    }
}

TEST(CheckBirthEntries, ListValuesTheFormDoesNotOffer) {
    const struct {
        std::string BirthEntries::*field;
        const char* value;
        EntryField focus;
    } cases[] = {
        {&BirthEntries::Day, "32", EntryField::Day},
        {&BirthEntries::Day, "01", EntryField::Day},
        {&BirthEntries::Month, "Janury", EntryField::Month},
        {&BirthEntries::Year, "1899", EntryField::Year},
        {&BirthEntries::Hour, "25", EntryField::Hour},
        {&BirthEntries::Minute, " 5", EntryField::Minute},
    };
    for (const auto& c : cases) {
        BirthEntries e = Complete();
        e.*c.field = c.value;
        const auto problem = CheckBirthEntries(e);
        ASSERT_TRUE(problem) << c.value;
        EXPECT_EQ(problem->focus, c.focus) << c.value;
    }
    BirthEntries e = Complete();
    e.Hour = "24";
    EXPECT_FALSE(CheckBirthEntries(e));
}

TEST(CheckBirthEntries, CoordinatesMustBeSixteenBitWholeNumbers) {
    for (const char* bad : {"ab", "40000", " ", "12.5", "-32769", "+-5"}) {
        BirthEntries e = Complete();
        e.LongitudeMinutes = bad;
        const auto problem = CheckBirthEntries(e);
        ASSERT_TRUE(problem) << bad;
        EXPECT_EQ(problem->focus, EntryField::LongitudeMinutes);
        EXPECT_EQ(problem->message,
                  "Please enter the minutes of longitude as a whole number from -32768 to 32767");
    }
    for (const char* good : {"-32768", "32767", " 12 ", "+7", "0"}) {
        BirthEntries e = Complete();
        e.LatitudeDegrees = good;
        EXPECT_FALSE(CheckBirthEntries(e)) << good;
    }
}

TEST(ToBirthRecord, KeepsZoneMagnitudesAndTrimsPlaces) {
    BirthEntries e = Complete();
    e.Name = " Asha ";
    e.City = "  New Delhi ";
    const BirthRecord b = ToBirthRecord(e);
    EXPECT_EQ(b.Name, " Asha ");
    EXPECT_EQ(b.City, "New Delhi");
    EXPECT_EQ(b.Month, 8);
    EXPECT_EQ(b.ZoneHours, 5);
    EXPECT_EQ(b.ZoneMinutes, 30);
    EXPECT_TRUE(b.IsEast);
    EXPECT_FALSE(b.IsSouth);
    e.TimeZoneRow = 50;  // Newfoundland, -3.5
    EXPECT_EQ(ToBirthRecord(e).ZoneHours, 3);
    EXPECT_EQ(ToBirthRecord(e).ZoneMinutes, 30);
}

// The row after the table's is a zone only when the entries carry its numbers; the classic
// engine gets its offset's magnitude in whole minutes (5:21:10 is 321.17 minutes, 5:21).
TEST(ToBirthRecord, TakesTheExtraZoneRowRoundedToWholeMinutes) {
    const struct {
        std::int32_t offsetSeconds;
        int hours, minutes;
    } cases[] = {{6 * 3600 + 30 * 60, 6, 30}, {5 * 3600 + 45 * 60, 5, 45}, {19270, 5, 21},
                 {-(3 * 3600 + 29 * 60 + 30), 3, 30}, {14 * 3600, 14, 0}};
    for (const auto& c : cases) {
        BirthEntries e = Complete();
        e.TimeZoneRow = TimeZoneCount;
        EXPECT_EQ(CheckBirthEntries(e)->focus, EntryField::TimeZone) << "no numbers, no row";
        e.ExtraZone = ExtraZoneRow{"Somewhere", c.offsetSeconds};
        EXPECT_FALSE(CheckBirthEntries(e)) << c.offsetSeconds;
        const BirthRecord b = ToBirthRecord(e);
        EXPECT_EQ(b.ZoneHours, c.hours) << c.offsetSeconds;
        EXPECT_EQ(b.ZoneMinutes, c.minutes) << c.offsetSeconds;
    }
    BirthEntries e = Complete();
    e.TimeZoneRow = TimeZoneCount + 1;
    e.ExtraZone = ExtraZoneRow{"Somewhere", 0};
    EXPECT_TRUE(CheckBirthEntries(e));
}

}  // namespace
}  // namespace grahavani
