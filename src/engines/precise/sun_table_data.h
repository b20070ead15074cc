#pragma once
// The Sun of every UT day from December 1899 to January 2051 as the Swiss Ephemeris computes it
// from its files: generated at build time by tools/generate_sun_table.cpp.

#include <span>

namespace grahavani {

// The Earth's mean turn in degrees a day, taken out of the tabled sidereal time so that what
// is left changes slowly enough to interpolate.
inline constexpr double SiderealDegreesPerDay = 360.98564736629;

struct SunTableDay {
    double RightAscension = 0;  // apparent geocentric, of date, degrees
    double Declination = 0;     // degrees
    double DistanceAU = 0;
    // The apparent sidereal time at Greenwich less SiderealDegreesPerDay times the days since
    // the first day, modulo 360, in degrees.
    double SiderealTimeLessTurns = 0;
};

// The Julian day (UT, 0h) of the first row.
extern const double SunTableFirstJulianDayUT;
// One row a day from the first.
std::span<const SunTableDay> SunTableDays();

}  // namespace grahavani
