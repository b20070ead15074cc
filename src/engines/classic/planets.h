#pragma once
// Sidereal geocentric longitudes of the Sun, the planets and the lunar nodes, from
// mean Keplerian elements of J2000 (Standish's approximate elements).

#include "model/birth_record.h"
#include "model/chart_result.h"

namespace grahavani {

// Rows in the order of PlanetTexts, with the Earth in the Sun's place.
enum PlanetRow { Mercury = 0, Venus = 1, Earth = 2, Mars = 3, Jupiter = 4, Saturn = 5 };

struct OrbitalElementSet {
    double a;                        // semi-major axis, AU
    double e;                        // eccentricity
    double inclination;              // radians
    double ascendingNode;            // radians
    double perihelionLongitude;      // radians
    double meanLongitude;            // radians, in [0, 2pi)
};

OrbitalElementSet OrbitalElements(int row, double dayNumber);
// True anomaly in [0, 2pi) for a mean anomaly M and an eccentricity e.
double SolveKepler(double meanAnomaly, double e);
// Tropical geocentric ecliptic longitude in degrees; row 2 gives the Sun.
double GeocentricLongitude(int row, double dayNumber);
// Writes PlanetTexts, RahuText and KetuText, then rebuilds PositionTexts.
void ComputePlanets(const BirthRecord& birth, ChartResult& chart);

}  // namespace grahavani
