#include "vargas/varga.h"

#include <gtest/gtest.h>

namespace grahavani {
namespace {

constexpr int Aries = 0, Taurus = 1, Gemini = 2, Cancer = 3, Leo = 4, Virgo = 5, Libra = 6,
              Scorpio = 7, Sagittarius = 8, Capricorn = 9, Aquarius = 10, Pisces = 11;

// Each varga's rule worked by hand, at the parts' edges where rules turn.
TEST(Varga, EachDivisionFollowsParasharasRule) {
    const struct {
        int division;
        double longitude;
        int sign;
    } cases[] = {
        {1, 45, Taurus},
        {2, 10, Leo}, {2, 20, Cancer}, {2, 40, Cancer}, {2, 50, Leo},          // Aries odd, Taurus even
        {3, 9.99, Aries}, {3, 10, Leo}, {3, 20, Sagittarius}, {3, 35, Taurus}, {3, 55, Capricorn},
        {4, 7.5, Cancer}, {4, 29.99, Capricorn}, {4, 30, Taurus},
        {7, 0, Aries}, {7, 30, Scorpio}, {7, 59.99, Taurus},                   // even signs from the 7th
        {9, 10.0 / 3, Taurus}, {9, 10.0 / 3 - 1e-9, Aries}, {9, 30, Capricorn}, {9, 60, Libra},
        {10, 30, Capricorn}, {10, 33, Aquarius}, {10, 60, Gemini},
        {12, 2.5, Taurus}, {12, 357.5, Aquarius},
        {16, 0, Aries}, {16, 30, Leo}, {16, 60, Sagittarius}, {16, 29.99, Cancer},
        {20, 30, Sagittarius}, {20, 60, Leo}, {20, 90, Aries},
        {24, 0, Leo}, {24, 30, Cancer}, {24, 29.99, Cancer},                   // the 24th part from Leo
        {27, 0, Aries}, {27, 30, Cancer}, {27, 60, Libra}, {27, 90, Capricorn}, {27, 29.99, Gemini},
        {30, 4.99, Aries}, {30, 5, Aquarius}, {30, 10, Sagittarius}, {30, 18, Gemini}, {30, 25, Libra},
        {30, 34.99, Taurus}, {30, 35, Virgo}, {30, 42, Pisces}, {30, 50, Capricorn}, {30, 55, Scorpio},
        {40, 0, Aries}, {40, 30, Libra}, {40, 30.75, Scorpio},
        {45, 30, Leo}, {45, 60, Sagittarius}, {45, 90, Aries},
        {60, 0.5, Taurus}, {60, 0.5 - 1e-9, Aries}, {60, 359.99, Aquarius},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VargaPlaceOf(c.division, c.longitude).Sign, c.sign) << "D" << c.division << " at " << c.longitude;
    }
}

TEST(Varga, DegreesAreTheLongitudeTimesTheDivisionWithinThirty) {
    const struct {
        int division;
        double longitude, degrees;
    } cases[] = {{1, 45.5, 15.5}, {2, 20, 10}, {9, 5, 15}, {30, 7, 0}, {30, 6.5, 15}, {60, 0.75, 15}, {9, -5, 15}};
    for (const auto& c : cases) {
        EXPECT_NEAR(VargaPlaceOf(c.division, c.longitude).Degrees, c.degrees, 1e-9) << c.division;
    }
}

}  // namespace
}  // namespace grahavani
