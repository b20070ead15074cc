#pragma once
// The quarter (pada) of its nakshatra that a sidereal longitude stands in: the 108 arcs of
// 3°20' from 0° Aries, four to a nakshatra.

namespace grahavani {

struct NakshatraQuarter {
    int Nakshatra = 0;  // 0 (Ashwini) to 26 (Revati)
    int Pada = 1;       // 1 to 4
};

// A longitude at a quarter's start, however it was computed (10.0 / 3, 3 + 20 / 60.0), is
// in that quarter.
NakshatraQuarter NakshatraQuarterOf(double siderealLongitude);

}  // namespace grahavani
