#include "chart/birth_timing.h"

#include <cmath>

#include <date/date.h>

#include "engines/precise/birth_instant.h"
#include "engines/precise/sunrise.h"
#include "timing/local_time.h"

namespace grahavani {

namespace {

constexpr double UnixEpochJulianDay = 2440587.5;
constexpr double SecondsPerDay = 86400;

int ClockOffsetSeconds(const BirthRecord& birth, double julianDayUT) {
    // A day the calendar lacks (the classic engine's 29 February 1900) counts on into March,
    // as the classic day number does.
    const date::sys_days day{date::year{birth.Year} / static_cast<unsigned>(birth.Month) /
                             static_cast<unsigned>(birth.Day)};
    const double civilSeconds =
        static_cast<double>(day.time_since_epoch().count()) * SecondsPerDay +
        birth.Hour * 3600.0 + birth.Minute * 60.0;
    const double universalSeconds = (julianDayUT - UnixEpochJulianDay) * SecondsPerDay;
    const double offset = civilSeconds - universalSeconds;
    return std::isfinite(offset) ? static_cast<int>(std::lround(offset)) : 0;
}

}  // namespace

BirthTiming ComputeBirthTiming(const BirthRecord& birth, const ChartResult& chart, DashaYear year) {
    BirthTiming timing;
    timing.ClockOffsetSeconds = ClockOffsetSeconds(birth, chart.JulianDayUT);
    const SunriseSearch sunrise =
        FindSunrise(LocalDateOf(chart.JulianDayUT, timing.ClockOffsetSeconds),
                    timing.ClockOffsetSeconds, NorthLatitude(birth), EastLongitude(birth));
    timing.SunriseReason = sunrise.Reason;
    timing.Limbs = ComputePanchang(chart.Longitudes[SunBody], chart.Longitudes[MoonBody],
                                   chart.JulianDayUT, timing.ClockOffsetSeconds,
                                   sunrise.JulianDayUT);
    timing.Year = year;
    timing.Dashas = ComputeVimshottari(chart.Longitudes[MoonBody], chart.JulianDayUT, year);
    return timing;
}

}  // namespace grahavani
