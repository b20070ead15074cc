#pragma once
// Moon longitudes well inside a star's quarter or a sign, for the matching tests.

namespace grahavani::test {

// Inside pada `pada` of star `nakshatra` (0 Ashwini), wrapping past Revati.
inline double AtStar(int nakshatra, int pada = 1) {
    return ((nakshatra % 27) * 4 + pada - 1) * 10.0 / 3 + 1;
}

// `degrees` into sign `sign` (0 Aries), wrapping past Pisces.
inline double AtSign(int sign, double degrees = 1) { return (sign % 12) * 30 + degrees; }

}  // namespace grahavani::test
