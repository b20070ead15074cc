#include "engines/classic/ascendant.h"

#include <cmath>

#include "engines/chart_engine.h"
#include "engines/classic/angle_helpers.h"
#include "texts/position_texts.h"
#include "engines/classic/time_conversion.h"

namespace grahavani {

double AyanamsaCorrection(double T) {
    // Mean node of the Moon and twice the Sun's mean longitude, from arc-seconds.
    double node = (933060 - 6962911 * T + 7.5 * (T * T)) / 3600;
    while (node >= 360) node -= 360;
    const double twiceSunLongitude = (2013816 + 259205536 * T) / 3600;
    const double nutation = 1.27 * std::sin(twiceSunLongitude * DegreesToRadians) +
                            17.23 * std::sin(node * DegreesToRadians);
    return (nutation - (5025.64 + 1.11 * T) * T - 80861.27) / 3600;
}

void ComputeAscendant(const BirthRecord& birth, ChartResult& chart) {
    ComputeTime(birth, chart);
    const double ut = chart.UniversalTimeHours;
    const double T = chart.Centuries1900;

    const double lon = SignedLongitude(birth);
    double lat = birth.LatitudeDegrees + birth.LatitudeMinutes / 60.0;
    if (birth.IsSouth) lat = -lat;

    const double ayanamsa = AyanamsaCorrection(T);
    chart.AyanamsaCorrection = ayanamsa;
    chart.AyanamsaText = FormatAyanamsa(ayanamsa);

    const double siderealTime = SubtractTurnsWhileAtLeast360(
        15 * (6.6460656 + 2400.0513 * T + 0.0000258 * (T * T) + ut) - lon);
    const double r = siderealTime * DegreesToRadians;
    const double obliquity = (23.452294 - 0.0130125 * T) * DegreesToRadians;

    double m = QuadrantArcTangent(std::tan(r), std::cos(obliquity));
    if (m < 0) m += Pi15;
    if (std::sin(r) < 0) m += Pi15;
    const double midheaven = m * RadiansToDegrees;

    double a = QuadrantArcTangent(
        std::cos(r), -std::sin(r) * std::cos(obliquity) -
                         std::sin(obliquity) * std::tan(lat * DegreesToRadians));
    if (a < 0) a += Pi15;
    if (std::cos(r) < 0) a += Pi15;
    double ascendant = a * RadiansToDegrees;
    while (ascendant >= 360) ascendant -= 360;

    chart.AscendantDegrees = NormalizeDegrees(ascendant + ayanamsa);
    chart.MidheavenDegrees = NormalizeDegrees(midheaven + ayanamsa);
    chart.AscendantText = FormatSignPosition(chart.AscendantDegrees);
    chart.Longitudes[AscendantPoint] = WithinOneTurn(chart.AscendantDegrees);
    chart.Longitudes[MidheavenPoint] = WithinOneTurn(chart.MidheavenDegrees);
    chart.MidheavenText = FormatSignPosition(chart.MidheavenDegrees);
}

}  // namespace grahavani
