#include "atlas/clock_texts.h"

#include <gtest/gtest.h>

#include "tests/translation/latin_words.h"

namespace grahavani {
namespace {

// Offsets and abbreviations as in the clock test; the names follow the tz database's marks.
TEST(ClockTexts, NameTheClockUnderTheZoneRowAndInAnExtraRow) {
    struct Case {
        const char* place;
        const char* zone;
        LocalDateTime local;
        const char* zoneLine;
        const char* extraRow;
    };
    const Case cases[] = {
        {"Kolkata", "Asia/Kolkata", {1943, 8, 15, 12, 0}, "Asia/Kolkata on 15 Aug 1943: +6:30, war time",
         "Kolkata 1943, war time, +6:30"},
        {"Kolkata", "Asia/Kolkata", {1990, 8, 15, 12, 0}, "Asia/Kolkata on 15 Aug 1990: +5:30, IST",
         "Kolkata 1990, IST, +5:30"},
        {"Chennai", "Asia/Kolkata", {1900, 1, 1, 12, 0}, "Asia/Kolkata on 1 Jan 1900: +5:21:10, MMT",
         "Chennai 1900, MMT, +5:21:10"},
        {"New York City", "America/New_York", {1943, 6, 1, 12, 0}, "America/New_York on 1 Jun 1943: -4:00, war time",
         "New York City 1943, war time, -4:00"},
        {"New York City", "America/New_York", {1945, 9, 1, 12, 0}, "America/New_York on 1 Sep 1945: -4:00, peace time",
         "New York City 1945, peace time, -4:00"},
        {"Kathmandu", "Asia/Kathmandu", {2000, 7, 1, 12, 0}, "Asia/Kathmandu on 1 Jul 2000: +5:45, standard time",
         "Kathmandu 2000, standard time, +5:45"},
        {"Apia", "Pacific/Apia", {2011, 12, 31, 12, 0}, "Pacific/Apia on 31 Dec 2011: +14:00, daylight saving",
         "Apia 2011, daylight saving, +14:00"},
    };
    for (const auto& c : cases) {
        const auto reading = ReadLocalClock(c.zone, c.local);
        ASSERT_TRUE(reading.Clock) << c.zoneLine;
        EXPECT_EQ(ZoneLineText(c.zone, c.local, *reading.Clock), c.zoneLine);
        EXPECT_EQ(ExtraZoneRowName(c.place, c.zone, c.local, *reading.Clock), c.extraRow);
        // The reader's words around the zone's name, offset and abbreviation, which stay.
        for (const Language language : {Language::Hindi, Language::Tamil}) {
            const std::string line = ZoneLineText(c.zone, c.local, *reading.Clock, language);
            const std::string english = c.zoneLine;
            for (const std::string& word : test::LatinWords(line)) {
                EXPECT_NE(english.find(word), std::string::npos) << line;
                EXPECT_TRUE(std::string_view(c.zone).find(word) != std::string_view::npos || word == reading.Clock->Abbreviation)
                    << word << " in " << line;
            }
        }
    }
}

}  // namespace
}  // namespace grahavani
