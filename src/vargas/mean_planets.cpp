#include "vargas/mean_planets.h"

#include <array>
#include <cstddef>

#include "model/arc_division.h"

namespace grahavani {
namespace {

constexpr double J2000 = 2451545.0;
constexpr double DaysPerJulianCentury = 36525.0;

// Degrees and degrees per Julian century to the powers 1, 2 and 3 from J2000, in MeanOrbit order.
constexpr std::array<std::array<double, 4>, 6> MeanLongitudeTerms = {{
    {252.250906, 149474.0722491, 0.00030397, 0.000000018},   // Mercury
    {181.979801, 58519.2130302, 0.00031060, 0.000000015},    // Venus
    {100.466449, 36000.7698231, 0.00030368, 0.000000021},    // Earth
    {355.433275, 19141.6964746, 0.00031097, 0.000000015},    // Mars
    {34.351484, 3036.3027889, 0.00022374, 0.000000025},      // Jupiter
    {50.077471, 1223.5110141, 0.00051952, -0.000000003},     // Saturn
}};

}  // namespace

double MeanHeliocentricLongitude(MeanOrbit orbit, double julianDay) {
    const auto& terms = MeanLongitudeTerms[static_cast<std::size_t>(orbit)];
    const double t = (julianDay - J2000) / DaysPerJulianCentury;
    return DegreesInCircle(terms[0] + t * (terms[1] + t * (terms[2] + t * terms[3])));
}

double MeanSunLongitude(double julianDay) {
    return DegreesInCircle(MeanHeliocentricLongitude(MeanOrbit::Earth, julianDay) + 180);
}

}  // namespace grahavani
