#pragma once
// The planets' mean heliocentric longitudes: the polynomials of Simon et al. (1994) referred to
// the ecliptic and mean equinox of date, as Meeus's "Astronomical Algorithms" tabulates them
// (table 31.A). Cheshta bala measures a planet's motion against them.

namespace grahavani {

enum class MeanOrbit { Mercury, Venus, Earth, Mars, Jupiter, Saturn };

// Tropical degrees in [0, 360) at a Julian day. The polynomials count dynamical time; universal
// time stands in for it, as the minute between them moves no mean planet by 0.01°.
double MeanHeliocentricLongitude(MeanOrbit orbit, double julianDay);

// The mean Sun seen from the Earth: the Earth's mean heliocentric longitude plus 180°.
double MeanSunLongitude(double julianDay);

}  // namespace grahavani
