#include "timing/navamsa.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace grahavani {
namespace {

// The classical rule: a fire sign's navamsas begin at Aries, earth's at Capricorn, air's at
// Libra, water's at Cancer.
TEST(NavamsaSign, CountsNinthsOfASignFromAries) {
    const struct {
        double longitude;
        int sign;
    } cases[] = {
        {0, 0},          {10.0 / 3 - 1e-9, 0}, {10.0 / 3, 1},  {29.9999999, 8},
        {30, 9},         {60, 6},              {90, 3},        {120, 0},
        {123.34, 1},     {359.9999999, 11},    {360, 0},       {-0.0001, 11},
        {std::numeric_limits<double>::infinity(), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(NavamsaSign(c.longitude), c.sign) << c.longitude;
}

TEST(ComputeNavamsa, PlacesTheAscendantFirstThenTheNineBodies) {
    const std::array<double, 11> longitudes = {0, 30, 60, 90, 120, 150, 180, 210, 240, 273.5, 999};
    const auto placements = ComputeNavamsa(longitudes);
    const char* bodies[] = {"Ascendant", "Sun", "Moon", "Mercury", "Venus", "Mars",
                            "Jupiter", "Saturn", "Rahu", "Ketu"};
    const int signs[] = {10, 0, 9, 6, 3, 0, 9, 6, 3, 0};
    for (std::size_t i = 0; i < placements.size(); ++i) {
        EXPECT_EQ(placements[i].Body, bodies[i]);
        EXPECT_EQ(placements[i].Sign, signs[i]) << bodies[i];
    }
}

}  // namespace
}  // namespace grahavani
