#include "atlas/zone_direction.h"

#include <gtest/gtest.h>

#include "tests/translation/latin_words.h"

namespace grahavani {
namespace {

TEST(ClassicReadsZoneBackwards, WhenTheClockRunsAgainstTheHemisphere) {
    const struct {
        std::int32_t offsetSeconds;
        bool isEast;
        bool backwards;
    } cases[] = {{3600, false, true},     // Madrid
                 {3600, true, false},     // Berlin
                 {-18000, false, false},  // New York
                 {-3600, true, true},     // a clock behind Greenwich east of it
                 {0, true, false},        {0, false, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(ClassicReadsZoneBackwards(c.offsetSeconds, c.isEast), c.backwards)
            << c.offsetSeconds << (c.isEast ? " east" : " west");
    }
    EXPECT_EQ(ClassicZoneWarningText("Madrid", 3600, false),
              "Madrid lies west of Greenwich, but its clock is +1:00. The classic ephemeris will read its "
              "time zone backwards, as -1:00. Switch to the precise engine to read the zone as it is.");
    // The place and both clocks stand in the sentence whatever order the language gives them.
    for (const Language language : {Language::Hindi, Language::Tamil}) {
        for (const bool isEast : {false, true}) {
            const std::string warning = ClassicZoneWarningText("Madrid", isEast ? -3600 : 3600, isEast, language);
            EXPECT_EQ(test::LatinWords(warning), std::vector<std::string>{"Madrid"}) << warning;
            EXPECT_NE(warning.find(isEast ? "-1:00" : "+1:00"), std::string::npos) << warning;
            EXPECT_NE(warning.find(isEast ? "+1:00" : "-1:00"), std::string::npos) << warning;
            EXPECT_NE(warning, ClassicZoneWarningText("Madrid", isEast ? 3600 : -3600, !isEast, language));
        }
    }
}

}  // namespace
}  // namespace grahavani
