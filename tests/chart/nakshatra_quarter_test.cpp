#include "chart/nakshatra_quarter.h"

#include <gtest/gtest.h>

namespace grahavani {
namespace {

// Every quarter's start, however written, belongs to that quarter; a hair before it, to the last.
TEST(NakshatraQuarterOf, EveryStartBelongsToItsQuarter) {
    for (int quarter = 0; quarter < 108; ++quarter) {
        const int minutes = quarter * 200;  // 3°20' is 200 minutes of arc
        const double starts[] = {10.0 * quarter / 3, minutes / 60 + (minutes % 60) / 60.0,
                                 minutes * 60 / 3600.0};
        for (const double start : starts) {
            const NakshatraQuarter at = NakshatraQuarterOf(start);
            EXPECT_EQ(at.Nakshatra, quarter / 4) << start;
            EXPECT_EQ(at.Pada, quarter % 4 + 1) << start;
        }
        const NakshatraQuarter before = NakshatraQuarterOf(starts[0] - 1e-9);
        const int previous = (quarter + 107) % 108;
        EXPECT_EQ(before.Nakshatra * 4 + before.Pada - 1, previous) << starts[0];
    }
}

TEST(NakshatraQuarterOf, TheMoonOfTheWorkedExamples) {
    const struct {
        double longitude;
        int nakshatra, pada;
    } cases[] = {
        {93.9835684, 7, 1},   // 3°59' Cancer: Pushya 1, not the 4 of Pushya's quarters in Cancer
        {359.9999999, 26, 4}, {360, 0, 1}, {-0.0001, 26, 4}, {100, 7, 3},
    };
    for (const auto& c : cases) {
        const NakshatraQuarter at = NakshatraQuarterOf(c.longitude);
        EXPECT_EQ(at.Nakshatra, c.nakshatra) << c.longitude;
        EXPECT_EQ(at.Pada, c.pada) << c.longitude;
    }
}

}  // namespace
}  // namespace grahavani
