#include "engines/classic/moon.h"

#include <cmath>

#include "texts/moon_texts.h"
#include "engines/chart_engine.h"
#include "engines/classic/angle_helpers.h"
#include "engines/classic/time_conversion.h"

namespace grahavani {

const std::array<LunarTerm, 25> LunarLongitudeTerms = {{
    {6.288774, 0, 0, 1, 0, false},   {1.274027, 2, 0, -1, 0, false},
    {0.658314, 2, 0, 0, 0, false},   {0.213618, 0, 0, 2, 0, false},
    {-0.185116, 0, 1, 0, 0, true},   {-0.114332, 0, 0, 0, 2, false},
    {0.058793, 2, 0, -2, 0, false},  {0.057066, 2, -1, -1, 0, true},
    {0.053322, 2, 0, 1, 0, false},   {0.045758, 2, -1, 0, 0, true},
    {-0.040923, 0, 1, -1, 0, true},  {-0.03472, 1, 0, 0, 0, false},
    {-0.030383, 0, 1, 1, 0, true},   {0.015327, 2, 0, 0, -2, false},
    {-0.012528, 0, 0, 1, 2, false},  {0.01098, 0, 0, 1, -2, false},
    {0.010675, 4, 0, -1, 0, false},  {0.010034, 0, 0, 3, 0, false},
    {0.008548, 4, 0, -2, 0, false},  {-0.007888, 2, 1, -1, 0, true},
    {-0.006766, 2, 1, 0, 0, true},   {-0.005163, 1, 0, -1, 0, false},
    {0.004987, 1, 1, 0, 0, true},    {0.004036, 2, -1, 1, 0, true},
    {0.003994, 2, 0, 2, 0, false},
}};

double MoonAyanamsaCorrection(double T) {
    const double node = 125.044555 - 1934.1361849 * T + 0.0020762 * (T * T);
    const double sunLongitude = 280.466449 + 36000.7698231 * T + 0.0003106 * (T * T);
    // The periodic part is in arc-seconds and uses the Sun's single angle.
    return (17.23 * std::sin(node * DegreesToRadians) +
            1.27 * std::sin(sunLongitude * DegreesToRadians) - 5025.64 * T - 1.11 * (T * T) -
            85886.27) /
           3600;
}

namespace {

double TropicalMoonLongitude(double T) {
    const double meanLongitude = 218.3164591 + 481267.88134236 * T;
    const double D = (297.8502042 + 445267.1115168 * T) * DegreesToRadians;
    const double M = (357.5291092 + 35999.0502909 * T) * DegreesToRadians;
    const double MPrime = (134.9634114 + 477198.8676313 * T) * DegreesToRadians;
    const double F = (93.2720993 + 483202.0175273 * T) * DegreesToRadians;
    const double E = 1 - 0.002516 * T - 0.0000074 * (T * T);

    double sum = 0;
    for (const LunarTerm& term : LunarLongitudeTerms) {
        const double argument = term.d * D + term.m * M + term.mPrime * MPrime + term.f * F;
        const double amplitude =
            term.timesEccentricity ? term.coefficient * E : term.coefficient;
        sum += amplitude * std::sin(argument);
    }
    return ReduceDegreesFully(meanLongitude + sum);
}

}  // namespace

void ComputeMoon(const BirthRecord& birth, ChartResult& chart) {
    const double ut = UniversalTime(birth);
    const double j = JulianDayNumber(birth.Month, birth.Day, birth.Year);
    const double T = (j - 2451545 + ut / 24 - 0.5) / 36525;

    double sidereal = TropicalMoonLongitude(T) + MoonAyanamsaCorrection(T);
    if (sidereal < 0) sidereal += 360;

    chart.Longitudes[MoonBody] = WithinOneTurn(sidereal);
    WriteMoonTexts(sidereal, chart);
}

}  // namespace grahavani
