#include "chart/north_indian_regions.h"

#include <string>

#include <gtest/gtest.h>

namespace grahavani {
namespace {

// The sign numbers the twelve regions show, counter-clockwise from the top rhombus,
// with each lagna at the top: written out by counting the houses round from the lagna.
TEST(NorthIndianRegions, LagnaAtTopNumbersTheHousesFromTheLagna) {
    const char* numbers[12] = {
        "1 2 3 4 5 6 7 8 9 10 11 12", "2 3 4 5 6 7 8 9 10 11 12 1",
        "3 4 5 6 7 8 9 10 11 12 1 2", "4 5 6 7 8 9 10 11 12 1 2 3",
        "5 6 7 8 9 10 11 12 1 2 3 4", "6 7 8 9 10 11 12 1 2 3 4 5",
        "7 8 9 10 11 12 1 2 3 4 5 6", "8 9 10 11 12 1 2 3 4 5 6 7",
        "9 10 11 12 1 2 3 4 5 6 7 8", "10 11 12 1 2 3 4 5 6 7 8 9",
        "11 12 1 2 3 4 5 6 7 8 9 10", "12 1 2 3 4 5 6 7 8 9 10 11"};
    for (std::size_t lagna = 0; lagna < 12; ++lagna) {
        std::string shown;
        for (std::size_t region = 0; region < 12; ++region) {
            const std::size_t sign = SignInNorthRegion(region, lagna);
            EXPECT_EQ(NorthRegionOfSign(sign, lagna), region) << "lagna " << lagna;
            shown += (region ? " " : "") + std::to_string(sign + 1);
        }
        EXPECT_EQ(shown, numbers[lagna]) << "lagna " << lagna;
    }
}

}  // namespace
}  // namespace grahavani
