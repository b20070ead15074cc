#include "engines/precise/sunrise.h"

#include <swephexp.h>

#include <cmath>

namespace grahavani {
namespace {

// The library keeps its settings per thread, so each thread names the folder once. Without the
// files there the library's own analytic ephemeris stands in.
void UseEphemerisFolderInThisThread() {
    thread_local bool named = false;
    if (named) return;
    swe_set_ephe_path("/usr/share/libswe/ephe");
    named = true;
}

}  // namespace

SunriseSearch FindSunrise(date::year_month_day localDate, int clockOffsetSeconds, double latitude,
                          double longitudeEast) {
    if (!localDate.ok()) return {std::nullopt, "The date does not exist."};
    if (!std::isfinite(latitude) || std::fabs(latitude) > 90 || !std::isfinite(longitudeEast) ||
        std::fabs(longitudeEast) > 180) {
        return {std::nullopt, "The place lies outside the range of latitudes and longitudes."};
    }
    UseEphemerisFolderInThisThread();

    const double midnight =
        swe_julday(static_cast<int>(localDate.year()), static_cast<int>(unsigned(localDate.month())),
                   static_cast<int>(unsigned(localDate.day())), 0, SE_GREG_CAL) -
        clockOffsetSeconds / 86400.0;
    double geographic[3] = {longitudeEast, latitude, 0};
    double rise[10] = {};
    char error[AS_MAXCH] = {};
    // Pressure and temperature 0 leave the library's standard atmosphere; without
    // SE_BIT_DISC_CENTER the upper limb is taken.
    int32 status = swe_rise_trans(midnight, SE_SUN, nullptr, SEFLG_SWIEPH, SE_CALC_RISE,
                                  geographic, 0, 0, rise, error);
    if (status == ERR) {
        status = swe_rise_trans(midnight, SE_SUN, nullptr, SEFLG_MOSEPH, SE_CALC_RISE, geographic,
                                0, 0, rise, error);
    }
    if (status == ERR) return {std::nullopt, error};
    if (status == -2 || rise[0] >= midnight + 1) {
        return {std::nullopt, "The Sun does not rise on this day at this place."};
    }
    return {rise[0], {}};
}

}  // namespace grahavani
