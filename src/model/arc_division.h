#pragma once
// Where a longitude falls in an equal division of the circle: the one rule behind the
// nakshatra, navamsa, tithi, yoga and karana numbers.

#include <cmath>

namespace grahavani {

// Into [0, 360); anything that is not a finite number counts as 0.
inline double DegreesInCircle(double degrees) {
    if (!std::isfinite(degrees)) return 0;
    double reduced = std::fmod(degrees, 360.0);
    if (reduced < 0) reduced += 360;
    return reduced >= 360 ? 0 : reduced;
}

// The part of [0, 360) as a count of arcs of (numerator / denominator) degrees. Multiplying
// first keeps spans like 3°20' (10/3) exact at their boundaries.
inline double ArcsTraversed(double degrees, double numerator, double denominator) {
    return DegreesInCircle(degrees) * denominator / numerator;
}

// The number of the arc the longitude lies in, counted from 0 at 0°; at most count - 1.
inline int ArcIndex(double degrees, double numerator, double denominator, int count) {
    const int index = static_cast<int>(std::floor(ArcsTraversed(degrees, numerator, denominator)));
    return index < count ? index : count - 1;
}

}  // namespace grahavani
