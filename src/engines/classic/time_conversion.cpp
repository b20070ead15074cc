#include "engines/classic/time_conversion.h"

#include <cmath>

namespace grahavani {

double SignedLongitude(const BirthRecord& birth) {
    double lon = birth.LongitudeDegrees + birth.LongitudeMinutes / 60.0;
    if (birth.IsEast) lon = -lon;
    return lon;
}

double UniversalTime(const BirthRecord& birth) {
    const double lon = SignedLongitude(birth);
    double zone = birth.ZoneHours + birth.ZoneMinutes / 60.0;
    if (birth.DaylightSaving) zone = lon < 0 ? zone + 1 : zone - 1;
    const double local = birth.Hour + birth.Minute / 60.0;
    return lon < 0 ? local - zone : local + zone;
}

double JulianDayNumber(double month, double day, double year) {
    const double a = 12 * (year + 4800) + month - 3;
    double j = std::floor((365 * a + 2 * (a - 12 * std::floor(a / 12)) + 7) / 12) + day +
               std::floor(a / 48) - 32083;
    if (j > 2299171) j = j + std::floor(a / 4800) - std::floor(a / 1200) + 38;
    return j;
}

double J2000DayNumber(double year, double month, double day, double ut) {
    return 367 * year - std::floor(7 * (year + std::floor((month + 9) / 12)) / 4) +
           std::floor(275 * month / 9) + day - 730531.5 + ut / 24;
}

void ComputeTime(const BirthRecord& birth, ChartResult& chart) {
    chart.UniversalTimeHours = UniversalTime(birth);
    chart.BirthDayNumber = JulianDayNumber(birth.Month, birth.Day, birth.Year);
    chart.Centuries1900 =
        (chart.BirthDayNumber - 2415020 + chart.UniversalTimeHours / 24 - 0.5) / 36525;
    chart.JulianDayUT = chart.BirthDayNumber - 0.5 + chart.UniversalTimeHours / 24;
}

}  // namespace grahavani
