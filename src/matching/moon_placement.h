#pragma once
// Where a Moon stands for matching: its star, the true quarter of it, its sign and the sign's lord.

#include <cstddef>

namespace grahavani {

struct MoonPlacement {
    double Longitude = 0;  // sidereal degrees in [0, 360)
    int Nakshatra = 0;     // 0 Ashwini to 26 Revati
    int Pada = 1;          // 1 to 4, the true quarter of the nakshatra
    int Sign = 0;          // 0 Aries to 11 Pisces
    bool LaterHalfOfSign = false;  // 15° of the sign or more
    std::size_t SignLord = 0;      // BodyOrder, Sun to Saturn
};

MoonPlacement MoonPlacementOf(double siderealLongitude);

}  // namespace grahavani
