#pragma once
// The planets' geocentric ecliptic latitudes at a moment, from the Swiss Ephemeris, for either
// engine's chart: the classic engine computes longitudes only.

#include <array>

namespace grahavani {

// Degrees north positive, in BodyOrder from the Sun to Ketu; the Sun's and the nodes' are 0.
// Throws EphemerisFailure where the library cannot compute a planet.
std::array<double, 9> EclipticLatitudes(double julianDayUT);

}  // namespace grahavani
