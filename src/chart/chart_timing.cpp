#include "chart/chart_timing.h"

#include <chrono>
#include <cmath>

#include "engines/precise/birth_instant.h"
#include "engines/precise/sunrise.h"
#include "timing/local_time.h"

namespace grahavani {

int ChartClockOffsetSeconds(const BirthRecord& birth, const ChartResult& chart) {
    using namespace std::chrono;
    // Day counts run on past the month's end, as the engines read a day like 31 April.
    const sys_days firstOfMonth{year{birth.Year} / month{static_cast<unsigned>(birth.Month)} / 1};
    const double localSeconds =
        static_cast<double>((firstOfMonth + days{birth.Day - 1}).time_since_epoch().count()) *
            SecondsPerDay +
        birth.Hour * 3600.0 + birth.Minute * 60.0;
    const double universalSeconds = (chart.JulianDayUT - UnixEpochJulianDay) * SecondsPerDay;
    const double offset = std::round(localSeconds - universalSeconds);
    // Any real clock is within a day of universal time; anything else is no chart's clock.
    return std::isfinite(offset) && std::fabs(offset) < SecondsPerDay ? static_cast<int>(offset) : 0;
}

ChartTiming ComputeChartTiming(const BirthRecord& birth, const ChartResult& chart, DashaYear year,
                               SunriseRule sunrise) {
    ChartTiming timing;
    timing.ClockOffsetSeconds = ChartClockOffsetSeconds(birth, chart);
    const auto& longitudes = chart.Longitudes;
    timing.Navamsa = ComputeNavamsa(longitudes);
    timing.Year = year;
    for (std::size_t system = 0; system < timing.Dashas.size(); ++system) {
        timing.Dashas[system] = ComputeDashaTimeline(static_cast<DashaSystem>(system),
                                                     longitudes[MoonBody], chart.JulianDayUT, year);
    }
    timing.Sunrise = sunrise;
    const SunriseSearch sunriseFound =
        FindSunrise(LocalDateOf(chart.JulianDayUT, timing.ClockOffsetSeconds),
                    timing.ClockOffsetSeconds, NorthLatitude(birth), EastLongitude(birth), sunrise);
    timing.SunriseReason = sunriseFound.Reason;
    if (sunriseFound.MoshierNotice != chart.EphemerisNotice) timing.EphemerisNotice = sunriseFound.MoshierNotice;
    timing.Panchang = ComputePanchang(longitudes[SunBody], longitudes[MoonBody], chart.JulianDayUT,
                                      timing.ClockOffsetSeconds, sunriseFound.JulianDayUT);
    return timing;
}

}  // namespace grahavani
