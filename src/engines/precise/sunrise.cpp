#include "engines/precise/sunrise.h"

#include <swephexp.h>

#include <cmath>

#include "engines/precise/thread_ephemeris.h"

namespace grahavani {
namespace {

// The standard atmosphere at sea level: hectopascals, degrees Celsius.
constexpr double StandardPressure = 1013.25;
constexpr double StandardTemperature = 15;

}  // namespace

SunriseSearch FindSunrise(date::year_month_day localDate, int clockOffsetSeconds, double latitude,
                          double longitudeEast) {
    if (!localDate.ok()) return {std::nullopt, "The date does not exist."};
    if (!std::isfinite(latitude) || std::fabs(latitude) > 90 || !std::isfinite(longitudeEast) ||
        std::fabs(longitudeEast) > 180) {
        return {std::nullopt, "The place lies outside the range of latitudes and longitudes."};
    }
    PrepareEphemerisThread();

    const double midnight =
        swe_julday(static_cast<int>(localDate.year()), static_cast<int>(unsigned(localDate.month())),
                   static_cast<int>(unsigned(localDate.day())), 0, SE_GREG_CAL) -
        clockOffsetSeconds / 86400.0;
    double geographic[3] = {longitudeEast, latitude, 0};
    double rise[10] = {};
    char error[AS_MAXCH] = {};
    // Without SE_BIT_DISC_CENTER the library takes the upper limb; the refraction is that of
    // the standard atmosphere, as swetest assumes.
    const int32 status = swe_rise_trans(midnight, SE_SUN, nullptr, SEFLG_SWIEPH, SE_CALC_RISE,
                                        geographic, StandardPressure, StandardTemperature, rise, error);
    if (status == ERR) return {std::nullopt, error};
    if (status == -2 || rise[0] >= midnight + 1) {
        return {std::nullopt, "The Sun does not rise on this day at this place."};
    }
    return {rise[0], {}};
}

}  // namespace grahavani
