#include "atlas/local_clock.h"

#include <gtest/gtest.h>

namespace grahavani {
namespace {

// Expected offsets, daylight saving and abbreviations read independently from the same
// /usr/share/zoneinfo with Python's zoneinfo (tzdata 2026f): utcoffset(), dst() != 0, tzname().
TEST(LocalClock, ReadsTheOffsetAndDaylightSavingInForce) {
    struct Case {
        const char* zone;
        LocalDateTime local;
        int offsetSeconds;
        bool daylightSaving;
        int daylightSavingSeconds;
        const char* abbreviation;
    };
    const Case cases[] = {
        {"Asia/Kolkata", {1900, 1, 1, 12, 0}, 19270, false, 0, "MMT"},  // Madras time, +5:21:10
        {"Asia/Kolkata", {1941, 6, 1, 12, 0}, 19800, false, 0, "IST"},
        {"Asia/Kolkata", {1941, 12, 1, 12, 0}, 23400, true, 3600, "+0630"},
        {"Asia/Kolkata", {1942, 7, 1, 12, 0}, 19800, false, 0, "IST"},
        {"Asia/Kolkata", {1943, 8, 15, 12, 0}, 23400, true, 3600, "+0630"},
        {"Asia/Kolkata", {1945, 10, 14, 12, 0}, 23400, true, 3600, "+0630"},
        {"Asia/Kolkata", {1945, 10, 15, 12, 0}, 19800, false, 0, "IST"},
        {"Asia/Kolkata", {1946, 1, 1, 12, 0}, 19800, false, 0, "IST"},
        {"Europe/London", {1970, 1, 15, 12, 0}, 3600, false, 0, "BST"},  // British Standard Time all year
        {"Europe/London", {1970, 7, 15, 12, 0}, 3600, false, 0, "BST"},
        {"Europe/London", {2021, 3, 28, 0, 59}, 0, false, 0, "GMT"},     // the night clocks went forward
        {"Europe/London", {2021, 3, 28, 2, 0}, 3600, true, 3600, "BST"},
        {"Asia/Kathmandu", {1980, 1, 1, 12, 0}, 19800, false, 0, "+0530"},  // never any daylight saving
        {"Asia/Kathmandu", {2000, 7, 1, 12, 0}, 20700, false, 0, "+0545"},
        {"Pacific/Apia", {2011, 12, 29, 12, 0}, -36000, true, 3600, "-10"},  // east of the date line from
        {"Pacific/Apia", {2011, 12, 31, 12, 0}, 50400, true, 3600, "+14"},   // 31 Dec 2011
        {"America/New_York", {1943, 6, 1, 12, 0}, -14400, true, 3600, "EWT"},
        {"Europe/London", {1944, 6, 1, 12, 0}, 7200, true, 7200, "BDST"},  // double summer time
        // Irish Standard Time is the summer clock; winter GMT is kept as a negative saving.
        {"Europe/Dublin", {2020, 1, 15, 12, 0}, 0, true, -3600, "GMT"},
        {"Europe/Dublin", {2020, 7, 15, 12, 0}, 3600, false, 0, "IST"},
    };
    for (const auto& c : cases) {
        const auto reading = ReadLocalClock(c.zone, c.local);
        const auto where = std::string(c.zone) + " " + LocalDateTimeText(c.local);
        EXPECT_EQ(reading.Kind, LocalTimeKind::Regular) << where;
        EXPECT_EQ(reading.Message, "") << where;
        ASSERT_TRUE(reading.Clock) << where;
        EXPECT_EQ(reading.Clock->OffsetSeconds, c.offsetSeconds) << where;
        EXPECT_EQ(reading.Clock->DaylightSaving, c.daylightSaving) << where;
        EXPECT_EQ(reading.Clock->DaylightSavingSeconds, c.daylightSavingSeconds) << where;
        EXPECT_EQ(reading.Clock->Abbreviation, c.abbreviation) << where;
    }
}

TEST(LocalClock, SaysWhenALocalTimeWasSkippedOrRepeated) {
    struct Case {
        const char* zone;
        LocalDateTime local;
        int fold;
        LocalTimeKind kind;
        int offsetSeconds;  // of the clock used; ignored when skipped
        const char* message;
    };
    const Case cases[] = {
        {"America/New_York", {2021, 3, 14, 2, 30}, 0, LocalTimeKind::Skipped, 0,
         "14 Mar 2021 02:30 in America/New_York never happened: the clocks went forward from -5:00 (EST) to "
         "-4:00 (EDT)."},
        {"Pacific/Apia", {2011, 12, 30, 12, 0}, 0, LocalTimeKind::Skipped, 0,
         "30 Dec 2011 12:00 in Pacific/Apia never happened: the clocks went forward from -10:00 (-10) to "
         "+14:00 (+14)."},
        {"America/New_York", {2021, 11, 7, 1, 30}, 0, LocalTimeKind::Repeated, -14400,
         "7 Nov 2021 01:30 in America/New_York happened twice, first at -4:00 (EDT) and again at -5:00 (EST) "
         "when the clocks went back; the earlier is used."},
        {"America/New_York", {2021, 11, 7, 1, 30}, 1, LocalTimeKind::Repeated, -18000,
         "7 Nov 2021 01:30 in America/New_York happened twice, first at -4:00 (EDT) and again at -5:00 (EST) "
         "when the clocks went back; the later is used."},
        {"Europe/London", {2021, 10, 31, 1, 30}, 1, LocalTimeKind::Repeated, 0,
         "31 Oct 2021 01:30 in Europe/London happened twice, first at +1:00 (BST) and again at +0:00 (GMT) "
         "when the clocks went back; the later is used."},
    };
    for (const auto& c : cases) {
        const auto reading = ReadLocalClock(c.zone, c.local, c.fold);
        EXPECT_EQ(reading.Kind, c.kind) << c.message;
        EXPECT_EQ(reading.Message, c.message);
        EXPECT_EQ(reading.Clock.has_value(), c.kind == LocalTimeKind::Repeated) << c.message;
        if (reading.Clock) {
            EXPECT_EQ(reading.Clock->OffsetSeconds, c.offsetSeconds) << c.message;
        }
    }
}

TEST(LocalClock, RejectsBadInputWithAMessage) {
    struct Case {
        const char* zone;
        LocalDateTime local;
        int fold;
        const char* message;
    };
    const Case cases[] = {
        {"Asia/Nowhere", {2000, 1, 1, 12, 0}, 0, "The time zone \"Asia/Nowhere\" is not in the tz database."},
        {"", {2000, 1, 1, 12, 0}, 0, "The time zone \"\" is not in the tz database."},
        {"Asia/Kolkata", {1990, 2, 30, 12, 0}, 0, "There is no date 30 Feb 1990."},
        {"Asia/Kolkata", {1990, 13, 1, 12, 0}, 0, "There is no date 1 month 13 1990."},
        {"Asia/Kolkata", {1990, 1, 1, 25, 0}, 0, "There is no time 25:00."},
        {"Asia/Kolkata", {1990, 1, 1, 24, 1}, 0, "There is no time 24:01."},
        {"Asia/Kolkata", {0, 1, 1, 12, 0}, 0, "The year 0 is outside 1 to 9999."},
        {"Asia/Kolkata", {1990, 1, 1, 12, 0}, 2, "The fold must be 0 (the earlier) or 1 (the later), not 2."},
    };
    for (const auto& c : cases) {
        const auto reading = ReadLocalClock(c.zone, c.local, c.fold);
        EXPECT_EQ(reading.Kind, LocalTimeKind::Invalid) << c.message;
        EXPECT_FALSE(reading.Clock) << c.message;
        EXPECT_EQ(reading.Message, c.message);
    }
}

}  // namespace
}  // namespace grahavani
