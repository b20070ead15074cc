#include "vargas/ashtakavarga.h"

#include <numeric>
#include <random>

#include <gtest/gtest.h>

namespace grahavani {
namespace {

int Total(const SignBindus& bindus) { return std::accumulate(bindus.begin(), bindus.end(), 0); }

// Each contributor gives as many bindus as it has benefic places, wherever it stands.
TEST(Ashtakavarga, TotalsAreTheSameForEveryChart) {
    constexpr std::array<int, 7> BhinnaTotals = {48, 49, 39, 54, 56, 52, 39};
    std::mt19937 random(1947);
    std::uniform_int_distribution<int> anySign(-12, 23);  // outside 0-11 too, counted round
    for (int chart = 0; chart < 6; ++chart) {
        std::array<int, 8> signs{};
        for (int& sign : signs) sign = anySign(random);
        const Ashtakavarga result = ComputeAshtakavarga(signs);
        SignBindus sarva{};
        for (std::size_t planet = 0; planet < 7; ++planet) {
            EXPECT_EQ(Total(result.Bhinna[planet]), BhinnaTotals[planet]) << chart << " " << planet;
            for (std::size_t sign = 0; sign < 12; ++sign) sarva[sign] += result.Bhinna[planet][sign];
        }
        EXPECT_EQ(result.Sarva, sarva) << chart;
        EXPECT_EQ(Total(result.Sarva), 337) << chart;
    }
}

// New Delhi, 15 August 1947 at midnight: Sun, Moon, Mercury, Venus and Saturn in Cancer, Mars
// in Gemini, Jupiter in Libra, the lagna in Taurus. Worked from Parashara's table by hand
// (the Sun's Aries: from the Sun, Moon, Mercury and Saturn the 10th, from Mars the 11th, from
// the lagna the 12th; from Jupiter the 7th and from Venus the 10th give none).
TEST(Ashtakavarga, CountsEachContributorsPlacesFromItsOwnSign) {
    const Ashtakavarga result = ComputeAshtakavarga({3, 3, 2, 3, 6, 3, 3, 1});
    const std::array<SignBindus, 7> bhinna = {{
        {6, 4, 4, 4, 4, 3, 3, 1, 4, 4, 5, 6},
        {6, 6, 0, 5, 2, 5, 5, 5, 3, 5, 3, 4},
        {3, 6, 2, 4, 1, 5, 2, 2, 5, 2, 3, 4},
        {4, 7, 4, 4, 5, 4, 4, 3, 5, 2, 5, 7},
        {5, 6, 3, 4, 6, 4, 4, 6, 5, 5, 2, 6},
        {3, 8, 4, 4, 5, 6, 3, 5, 2, 1, 6, 5},
        {3, 7, 2, 2, 4, 3, 3, 2, 4, 1, 4, 4},
    }};
    for (std::size_t planet = 0; planet < 7; ++planet) {
        EXPECT_EQ(result.Bhinna[planet], bhinna[planet]) << "planet " << planet;
    }
    EXPECT_EQ(result.Sarva, (SignBindus{30, 44, 19, 27, 27, 30, 24, 24, 28, 20, 28, 36}));
}

}  // namespace
}  // namespace grahavani
