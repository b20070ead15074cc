#include "engines/classic/planets.h"

#include <array>
#include <cmath>

#include "engines/chart_engine.h"
#include "engines/classic/angle_helpers.h"
#include "texts/position_texts.h"
#include "engines/classic/time_conversion.h"

namespace grahavani {

namespace {

// Each element is base + rate * T; the angles' bases are in degrees and their
// rates in arc-seconds per Julian century.
struct ElementRow {
    double a, aRate, e, eRate;
    double i, iRate, node, nodeRate, perihelion, perihelionRate, meanLongitude, meanLongitudeRate;
};

constexpr std::array<ElementRow, 6> ElementTable = {{
    {0.38709893, 0.00000066, 0.20563069, 0.00002527,
     7.00487, -23.51, 48.33167, -446.30, 77.45645, 573.57, 252.25084, 538101628.29},
    {0.72333199, 0.00000092, 0.00677323, -0.00004938,
     3.39471, -2.86, 76.68069, -996.89, 131.53298, -108.80, 181.97973, 210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804,
     0.00005, -46.94, -11.26064, -18228.25, 102.94719, 1198.28, 100.46435, 129597740.63},
    {1.52366231, -0.00007221, 0.09341233, 0.00011902,
     1.85061, -25.47, 49.57854, -1020.19, 336.04084, 1560.78, 355.45332, 68905103.78},
    {5.20336301, 0.00060737, 0.04839266, -0.00012880,
     1.30530, -4.15, 100.55615, 1217.17, 14.75385, 839.93, 34.40438, 10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762,
     2.48446, 6.11, 113.71504, -1591.05, 92.43194, -1948.89, 49.94432, 4401052.95},
}};

double AngleInRadians(double baseDegrees, double rateArcSeconds, double T) {
    return (baseDegrees + rateArcSeconds * T / 3600) * DegreesToRadians;
}

struct HeliocentricPosition {
    double x;
    double y;
};

// Distance from the Sun and true anomaly of a body on its ellipse.
struct OrbitPoint {
    double radius;
    double trueAnomaly;
};

OrbitPoint PointOnOrbit(const OrbitalElementSet& el) {
    const double meanAnomaly = ReduceRadians(el.meanLongitude - el.perihelionLongitude);
    const double nu = SolveKepler(meanAnomaly, el.e);
    const double r = el.a * (1 - el.e * el.e) / (1 + el.e * std::cos(nu));
    return {r, nu};
}

HeliocentricPosition EarthPosition(double dayNumber) {
    const OrbitalElementSet earth = OrbitalElements(Earth, dayNumber);
    const auto [r, nu] = PointOnOrbit(earth);
    return {r * std::cos(nu + earth.perihelionLongitude),
            r * std::sin(nu + earth.perihelionLongitude)};
}

double SubtractAyanamsa(double tropical, double ayanamsa) {
    double sidereal = tropical - std::fabs(ayanamsa);
    while (sidereal < 0) sidereal += 360;
    return sidereal;
}

}  // namespace

OrbitalElementSet OrbitalElements(int row, double dayNumber) {
    const ElementRow& el = ElementTable[static_cast<std::size_t>(row)];
    const double T = dayNumber / 36525;
    return {el.a + el.aRate * T,
            el.e + el.eRate * T,
            AngleInRadians(el.i, el.iRate, T),
            AngleInRadians(el.node, el.nodeRate, T),
            AngleInRadians(el.perihelion, el.perihelionRate, T),
            ReduceRadians(AngleInRadians(el.meanLongitude, el.meanLongitudeRate, T))};
}

double SolveKepler(double M, double e) {
    double E = M + e * std::sin(M) * (1 + e * std::cos(M));
    // Newton's method converges in a few rounds for every orbit of the table;
    // the bound only guards against a value that never settles.
    for (int round = 0; round < 1000; ++round) {
        const double previous = E;
        E = previous - (previous - e * std::sin(previous) - M) / (1 - e * std::cos(previous));
        if (std::fabs(previous - E) <= 1e-12) break;
    }
    double nu = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E / 2));
    if (nu < 0) nu += TwoPi15;
    return nu;
}

namespace {

double GeocentricLongitudeSeenFrom(const HeliocentricPosition& earth, int row, double dayNumber) {
    double x = 0;
    double y = 0;
    if (row != Earth) {
        const OrbitalElementSet el = OrbitalElements(row, dayNumber);
        const auto [r, nu] = PointOnOrbit(el);
        const double u = nu + el.perihelionLongitude - el.ascendingNode;
        x = r * (std::cos(el.ascendingNode) * std::cos(u) -
                 std::sin(u) * std::sin(el.ascendingNode) * std::cos(el.inclination));
        y = r * (std::sin(el.ascendingNode) * std::cos(u) +
                 std::sin(u) * std::cos(el.ascendingNode) * std::cos(el.inclination));
    }
    double longitude = QuadrantArcTangent(y - earth.y, x - earth.x) * 180 / Pi15;
    while (longitude > 360) longitude -= 360;
    while (longitude < 0) longitude += 360;
    return longitude;
}

}  // namespace

double GeocentricLongitude(int row, double dayNumber) {
    return GeocentricLongitudeSeenFrom(EarthPosition(dayNumber), row, dayNumber);
}

void ComputePlanets(const BirthRecord& birth, ChartResult& chart) {
    const double d = J2000DayNumber(birth.Year, birth.Month, birth.Day, chart.UniversalTimeHours);
    const HeliocentricPosition earth = EarthPosition(d);
    for (int row = 0; row < 6; ++row) {
        const double sidereal = SubtractAyanamsa(GeocentricLongitudeSeenFrom(earth, row, d),
                                                 chart.AyanamsaCorrection);
        chart.PlanetTexts[static_cast<std::size_t>(row)] = FormatSignPosition(sidereal);
        chart.Longitudes[PlanetTextBodies[static_cast<std::size_t>(row)]] = WithinOneTurn(sidereal);
    }

    // Mean ascending node; its conversion back to degrees uses pi to four decimals.
    double rahu = (125.1228 - 0.0529538083 * d) * DegreesToRadians;
    rahu = ReduceRadians(rahu);
    rahu = rahu * 180 / 3.1416;
    rahu = rahu - 1;
    rahu = SubtractAyanamsa(rahu, chart.AyanamsaCorrection);
    chart.RahuText = FormatSignPosition(rahu);

    double ketu = rahu + 180;
    while (ketu > 360) ketu -= 360;
    chart.KetuText = FormatSignPosition(std::fabs(ketu));
    chart.Longitudes[RahuBody] = WithinOneTurn(rahu);
    chart.Longitudes[KetuBody] = WithinOneTurn(std::fabs(ketu));

    BuildPositionTexts(chart);
}

}  // namespace grahavani
