#include "chart/shadbala_input.h"

#include <date/date.h>

#include <algorithm>

#include "chart/chart_timing.h"
#include "engines/precise/birth_instant.h"
#include "engines/precise/ecliptic_latitudes.h"
#include "engines/precise/sunrise.h"
#include "timing/local_time.h"

namespace grahavani {
namespace {

constexpr int UnixEpochJulianDayNumber = 2440588;

// The day from the sunrise before the birth to the next; none where a sunrise or the sunset
// between is missing.
std::optional<VedicDaySpan> VedicDayOf(const BirthRecord& birth, const ChartResult& chart, SunriseRule rule) {
    const int offset = ChartClockOffsetSeconds(birth, chart);
    const double latitude = NorthLatitude(birth);
    const double longitude = EastLongitude(birth);
    const auto sunriseOf = [&](date::sys_days day) {
        return FindSunrise(date::year_month_day{day}, offset, latitude, longitude, rule).JulianDayUT;
    };
    date::sys_days civil{LocalDateOf(chart.JulianDayUT, offset)};
    std::optional<double> sunrise = sunriseOf(civil);
    if (!sunrise) return std::nullopt;
    std::optional<double> next;
    if (chart.JulianDayUT < *sunrise) {
        next = sunrise;
        civil -= date::days{1};
        sunrise = sunriseOf(civil);
    } else {
        next = sunriseOf(civil + date::days{1});
    }
    if (!sunrise || !next) return std::nullopt;
    const std::optional<double> sunset = FindSunsetAfter(*sunrise, latitude, longitude, rule);
    if (!sunset || *sunset >= *next) return std::nullopt;
    return VedicDaySpan{*sunrise, *sunset, *next,
                        static_cast<int>(civil.time_since_epoch().count()) + UnixEpochJulianDayNumber};
}

}  // namespace

ShadbalaInput ShadbalaInputOf(const BirthRecord& birth, const ChartResult& chart, SunriseRule rule) {
    ShadbalaInput input;
    std::copy_n(chart.Longitudes.begin(), input.Longitudes.size(), input.Longitudes.begin());
    // Only a war reads the latitudes, and with them the ephemeris files for a classic chart.
    if (AnyPlanetsAtWar(input.Longitudes)) input.Latitudes = EclipticLatitudes(chart.JulianDayUT);
    input.Ascendant = chart.Longitudes[AscendantPoint];
    input.Midheaven = chart.Longitudes[MidheavenPoint];
    input.Ayanamsa = chart.AyanamsaDegrees;
    input.BirthJulianDayUT = chart.JulianDayUT;
    input.MidnightJulianDayUT = FindLowerTransitNear(chart.JulianDayUT, EastLongitude(birth));
    input.Day = VedicDayOf(birth, chart, rule);
    return input;
}

}  // namespace grahavani
