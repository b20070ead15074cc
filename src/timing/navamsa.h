#pragma once
// The navamsa (D9): each sign cut into nine parts of 3°20', numbered through the zodiac
// from Aries, so that part n falls in sign n mod 12.

#include <array>
#include <span>
#include <string_view>

namespace grahavani {

// Sign number 0 (Aries) to 11 (Pisces) of a sidereal longitude in degrees: the D9 of the vargas.
int NavamsaSign(double siderealLongitude);

struct NavamsaPlacement {
    std::string_view Body;  // "Ascendant", then "Sun" … "Ketu"
    int Sign = 0;           // 0 = Aries
};

// The ascendant first, then the nine bodies, from sidereal longitudes in body order
// (Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu, Ascendant, Midheaven).
std::array<NavamsaPlacement, 10> ComputeNavamsa(std::span<const double, 11> siderealLongitudes);

}  // namespace grahavani
