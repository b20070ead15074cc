#pragma once
// The Sun's apparent place and the sidereal time at any instant of the tabled days, interpolated
// from the library's values at 0h UT of each day: over the charts' range the sunrise reads no file.

#include <optional>

namespace grahavani {

struct TabledSun {
    double RightAscension = 0;      // apparent geocentric, of date, degrees in [0, 360)
    double Declination = 0;         // degrees
    double RightAscensionRate = 0;  // degrees a day
    double DeclinationRate = 0;     // degrees a day
    double DistanceAU = 0;
    double SiderealTime = 0;  // apparent, at Greenwich, degrees
};

// By 4-point Lagrange interpolation between the days either side; none outside the table.
std::optional<TabledSun> SunFromTable(double julianDayUT);

}  // namespace grahavani
