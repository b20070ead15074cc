#include "atlas/zone_row_choice.h"

#include <gtest/gtest.h>

#include "atlas/clock_texts.h"
#include "model/reference_tables.h"

namespace grahavani {
namespace {

// Clocks from the system's tz database; rows by their place in the zone table (34 "Indian Time",
// 27 "Eastern Standard Time", 18 "Central Daylight Time", 16 "British Summer Time", 15 "British
// Double Summer Time", 29 "Greenwich Mean Time"). Row plus tick is always the clock in force.
TEST(ChooseZoneRow, StandardRowAndTickOrAnExtraRowNamingTheClock) {
    struct Case {
        const char* place;
        const char* zone;
        LocalDateTime local;
        std::size_t currentRow;
        std::size_t row;
        bool tick;
        const char* extraRow;
    };
    const Case cases[] = {
        {"Kolkata", "Asia/Kolkata", {1990, 8, 15, 12, 0}, 0, 34, false, nullptr},
        {"Kolkata", "Asia/Kolkata", {1943, 8, 15, 12, 0}, 0, 34, true, nullptr},  // war time: +1 hour
        {"New York City", "America/New_York", {1990, 7, 4, 12, 0}, 0, 27, true, nullptr},
        {"New York City", "America/New_York", {1990, 1, 4, 12, 0}, 18, 18, false, nullptr},  // kept
        {"London", "Europe/London", {1970, 7, 1, 12, 0}, 0, 16, false, nullptr},  // BST all year
        {"London", "Europe/London", {1944, 7, 1, 12, 0}, 0, 15, false, nullptr},  // two hours
        {"Dublin", "Europe/Dublin", {2000, 1, 15, 12, 0}, 0, 29, false, nullptr},  // saving of -1
        {"Kathmandu", "Asia/Kathmandu", {2000, 7, 1, 12, 0}, 0, TimeZoneCount, false,
         "Kathmandu 2000, standard time, +5:45"},
        {"Chennai", "Asia/Kolkata", {1900, 1, 1, 12, 0}, 34, TimeZoneCount, false, "Chennai 1900, MMT, +5:21:10"},
    };
    for (const auto& c : cases) {
        const auto reading = ReadLocalClock(c.zone, c.local);
        ASSERT_TRUE(reading.Clock) << c.place;
        const ZoneClock& clock = *reading.Clock;
        const auto choice = ChooseZoneRow(clock, c.currentRow, ExtraZoneRowName(c.place, c.zone, c.local, clock));
        EXPECT_EQ(choice.Row, c.row) << c.place << " " << c.local.Year;
        EXPECT_EQ(choice.DaylightSaving, c.tick) << c.place << " " << c.local.Year;
        EXPECT_EQ(choice.RowOffsetSeconds + (choice.DaylightSaving ? 3600 : 0), clock.OffsetSeconds) << c.place;
        ASSERT_EQ(choice.ExtraZone.has_value(), c.extraRow != nullptr) << c.place;
        if (c.extraRow) {
            EXPECT_EQ(choice.ExtraZone->Text, c.extraRow);
            EXPECT_EQ(choice.ExtraZone->OffsetSeconds, clock.OffsetSeconds);
        }
    }
}

}  // namespace
}  // namespace grahavani
