#include "engines/precise/sunrise.h"

#include <swephexp.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "engines/precise/ephemeris_call.h"
#include "engines/precise/sun_table.h"
#include "engines/precise/sun_table_data.h"
#include "engines/precise/thread_ephemeris.h"

namespace grahavani {
namespace {

// The standard atmosphere at sea level: hectopascals, degrees Celsius, kelvin per metre.
constexpr double StandardPressure = 1013.25;
constexpr double StandardTemperature = 15;
constexpr double StandardLapseRate = 0.0065;

constexpr double SunSemiDiameterAtOneAU = 959.63 / 3600;
constexpr double SunHorizontalParallaxAtOneAU = 8.794 / 3600;
constexpr double Radians = M_PI / 180;

// The last round of the rise's iteration moves it by no more than this where it has settled.
constexpr double SettledWithinDays = 0.5 / 86400;

// Beyond this distance from the moment the Sun was computed, its linear motion is too rough
// near the polar limit, so the rise is refined from a second place of the Sun.
constexpr double RefineBeyondDays = 0.1;

double Wrap180(double degrees) { return degrees - 360 * std::floor((degrees + 180) / 360); }

// The Sun's geocentric true altitude at the rise under the rule: the parallax that lifts the
// geocentric place above the topocentric one, less the refraction of an apparent altitude of 0°
// (the library's own model) where the rule sees the Sun through the air, and less the
// semi-diameter where it takes the upper limb.
double RiseAltitude(double distanceAU, SunriseRule rule) {
    static const double refraction = [] {
        std::array<double, 20> detail{};
        return -swe_refrac_extended(0, 0, StandardPressure, StandardTemperature,
                                    StandardLapseRate, SE_APP_TO_TRUE, detail.data());
    }();
    double altitude = SunHorizontalParallaxAtOneAU / distanceAU;
    if (rule != SunriseRule::TrueCentre) altitude -= refraction;
    if (rule == SunriseRule::ApparentLimb) altitude -= SunSemiDiameterAtOneAU / distanceAU;
    return altitude;
}

// The flags of the library's rise search that give the rule's sunrise.
int RiseFlags(SunriseRule rule) {
    switch (rule) {
        case SunriseRule::ApparentCentre: return SE_BIT_DISC_CENTER;
        case SunriseRule::TrueCentre: return SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
        case SunriseRule::ApparentLimb: break;
    }
    return 0;
}

// A rise from the Sun's linear motion, or none; unsettled where the iteration did not
// converge, as it cannot where the Sun's daily circle is smaller than its change in declination.
struct RiseEstimate {
    std::optional<double> JulianDayUT;
    bool Settled = true;
};

// The Sun's apparent place, its daily motion and the sidereal time at one moment, moved
// linearly in time: over a few hours it is exact to well under an arcsecond. The place comes
// from the table of the library's Sun within its days, from the library beyond them.
class SunNear {
public:
    explicit SunNear(SunriseRule rule) : rule_(rule) {}

    // Throws EphemerisFailure where the library cannot compute the Sun.
    void ComputeAt(double julianDayUT) {
        at_ = julianDayUT;
        if (const std::optional<TabledSun> tabled = SunFromTable(julianDayUT)) {
            rightAscension_ = tabled->RightAscension;
            declination_ = tabled->Declination;
            rightAscensionRate_ = tabled->RightAscensionRate;
            declinationRate_ = tabled->DeclinationRate;
            riseAltitude_ = RiseAltitude(tabled->DistanceAU, rule_);
            siderealTime_ = tabled->SiderealTime;
            return;
        }
        PrepareEphemerisThread();
        std::array<double, 6> place{};
        std::array<char, AS_MAXCH> error{};
        EphemerisSource source = CheckEphemerisCall(
            swe_calc_ut(julianDayUT, SE_SUN, SEFLG_SWIEPH | SEFLG_EQUATORIAL | SEFLG_SPEED,
                        place.data(), error.data()),
            error.data());
        if (moshierNotice_.empty()) moshierNotice_ = std::move(source.MoshierNotice);
        rightAscension_ = place[0];
        declination_ = place[1];
        rightAscensionRate_ = place[3];
        declinationRate_ = place[4];
        riseAltitude_ = RiseAltitude(place[2], rule_);
        siderealTime_ = swe_sidtime(julianDayUT) * 15;
    }

    const std::string& MoshierNotice() const { return moshierNotice_; }
    double At() const { return at_; }

    // The transit at the longitude nearest to `guess`: the upper one, or with `hourAngleAt`
    // 180 the lower one.
    double TransitNear(double guess, double longitudeEast, double hourAngleAt = 0) const {
        const double hourAngle = siderealTime_ + SiderealDegreesPerDay * (guess - at_) +
                                 longitudeEast -
                                 (rightAscension_ + rightAscensionRate_ * (guess - at_));
        return guess - Wrap180(hourAngle - hourAngleAt) / HourAngleRate();
    }

    // The rise in the half day before `transit` (the set in the half day after it, for
    // `side` +1), starting from the Sun's declination at the moment it was computed; none
    // where the Sun stays above or below the horizon.
    RiseEstimate RiseBefore(double transit, double latitude, int side = -1) const {
        double rise = at_;
        double step = 0;
        for (int round = 0; round < 4; ++round) {
            const double cosHourAngle = CosHourAngleAt(rise, latitude);
            if (!(std::fabs(cosHourAngle) <= 1)) return {std::nullopt, round == 0};
            const double next = transit + side * std::acos(cosHourAngle) / Radians / HourAngleRate();
            step = next - rise;
            rise = next;
        }
        return {rise, std::fabs(step) <= SettledWithinDays};
    }

    // +1 where the Sun's daily circle at its declination of that moment stays below the
    // horizon, -1 where it stays above, 0 where it crosses.
    int SideOfHorizon(double julianDayUT, double latitude) const {
        const double cosHourAngle = CosHourAngleAt(julianDayUT, latitude);
        return cosHourAngle > 1 ? 1 : cosHourAngle < -1 ? -1 : 0;
    }

private:
    double HourAngleRate() const { return SiderealDegreesPerDay - rightAscensionRate_; }

    // Beyond ±1 where the Sun stays below (above +1) or above (below -1) the horizon all day.
    double CosHourAngleAt(double julianDayUT, double latitude) const {
        const double declination = (declination_ + declinationRate_ * (julianDayUT - at_)) * Radians;
        return (std::sin(riseAltitude_ * Radians) - std::sin(latitude * Radians) * std::sin(declination)) /
               (std::cos(latitude * Radians) * std::cos(declination));
    }

    SunriseRule rule_;
    double at_ = 0;
    double rightAscension_ = 0, declination_ = 0;
    double rightAscensionRate_ = 0, declinationRate_ = 0;
    double riseAltitude_ = 0;
    double siderealTime_ = 0;
    std::string moshierNotice_;
};

// The rise before the transit expected near `transitGuess`, from the Sun's place six hours
// before it and, where the rise lies far from that, once more from the place at the rise. Near
// the polar limit a rise that only just happens lies close to the lower culmination (the end
// of a midnight sun) or to the transit (the end of a polar night), so those are tried too.
RiseEstimate RiseBeforeTransit(SunNear& sun, double transitGuess, double latitude,
                               double longitudeEast) {
    bool settled = true;
    for (const double lead : {0.25, 0.5, 0.0}) {
        sun.ComputeAt(transitGuess - lead);
        RiseEstimate rise = sun.RiseBefore(sun.TransitNear(transitGuess, longitudeEast), latitude);
        if (!rise.JulianDayUT) {
            settled = settled && rise.Settled;
            continue;
        }
        if (std::fabs(*rise.JulianDayUT - sun.At()) > RefineBeyondDays) {
            sun.ComputeAt(*rise.JulianDayUT);
            rise = sun.RiseBefore(sun.TransitNear(transitGuess, longitudeEast), latitude);
        }
        return rise;
    }
    return {std::nullopt, settled};
}

// The library's search for the event from the moment, under the rule; none where the Sun
// stays up or down.
std::optional<double> LibrarySunEvent(double from, double latitude, double longitudeEast, int event,
                                      SunriseRule rule) {
    PrepareEphemerisThread();
    std::array<double, 3> place = {longitudeEast, latitude, 0};
    std::array<double, 10> found{};
    std::array<char, AS_MAXCH> error{};
    const int status = swe_rise_trans(from, SE_SUN, nullptr, SEFLG_SWIEPH, event | RiseFlags(rule), place.data(),
                                      StandardPressure, StandardTemperature, found.data(), error.data());
    if (status == ERR) throw LibraryFailure(error.data());
    if (status != OK) return std::nullopt;  // -2: it stays up or down
    return found[0];
}

// The library's own search from local midnight, for the days the linear motion cannot settle.
std::optional<double> LibrarySunrise(double midnight, double latitude, double longitudeEast,
                                     SunriseRule rule) {
    const std::optional<double> rise = LibrarySunEvent(midnight, latitude, longitudeEast, SE_CALC_RISE, rule);
    if (rise && *rise >= midnight + 1) return std::nullopt;
    return rise;
}

// Within 35 days of 21 June or 21 December: the library's faster rise search strays by more than
// half a second up to 27 days from them.
bool NearASolstice(date::year_month_day day) {
    using namespace date;
    const auto year = day.year();
    const sys_days at{day};
    for (const sys_days solstice : {sys_days{year / June / 21}, sys_days{(year - years{1}) / December / 21},
                                    sys_days{year / December / 21}}) {
        if (std::abs((at - solstice).count()) <= 35) return true;
    }
    return false;
}

}  // namespace

SunriseSearch FindSunrise(date::year_month_day localDate, int clockOffsetSeconds, double latitude,
                          double longitudeEast, SunriseRule rule) {
    if (!localDate.ok()) return {std::nullopt, std::string(NoSunriseReasons[0]), {}};
    if (!std::isfinite(latitude) || std::fabs(latitude) > 90 || !std::isfinite(longitudeEast) ||
        std::fabs(longitudeEast) > 180) {
        return {std::nullopt, std::string(NoSunriseReasons[1]), {}};
    }
    const double midnight =
        swe_julday(static_cast<int>(localDate.year()), static_cast<int>(unsigned(localDate.month())),
                   static_cast<int>(unsigned(localDate.day())), 0, SE_GREG_CAL) -
        clockOffsetSeconds / 86400.0;
    // Mean noon at the longitude, first after local midnight; the true transit differs by the
    // equation of time (under 17 minutes), so the transit before it may still rise in the day.
    double meanNoon = std::floor(midnight - 0.5) + 1 - longitudeEast / 360;
    while (meanNoon < midnight) meanNoon += 1;
    while (meanNoon >= midnight + 1) meanNoon -= 1;
    // Between these latitudes the library's rise function settles its faster search only to
    // seconds within a month of the solstices; its answer is the one the sunrise gives there.
    if (std::fabs(latitude) > 62 && std::fabs(latitude) <= 65.5 && NearASolstice(localDate)) {
        const std::optional<double> rise = LibrarySunrise(midnight, latitude, longitudeEast, rule);
        if (rise) return {*rise, {}, {}};
        return {std::nullopt, std::string(NoSunriseReasons[2]), {}};
    }
    SunNear sun(rule);
    bool settled = true;
    for (int day = -1; day <= 1; ++day) {
        const double transitGuess = meanNoon + day;
        if (transitGuess + 0.02 < midnight || transitGuess - 0.52 >= midnight + 1) continue;
        const RiseEstimate rise = RiseBeforeTransit(sun, transitGuess, latitude, longitudeEast);
        settled = settled && rise.Settled;
        if (rise.Settled && rise.JulianDayUT && *rise.JulianDayUT >= midnight &&
            *rise.JulianDayUT < midnight + 1) {
            return {*rise.JulianDayUT, {}, sun.MoshierNotice()};
        }
    }
    // Near a pole the Sun's daily circle is smaller than its daily change in declination: a
    // day it passes from below the horizon to above (at any hour at the pole itself), or one
    // the iteration did not settle, is left to the library.
    const bool sameSideAllDay =
        sun.SideOfHorizon(midnight, latitude) == sun.SideOfHorizon(midnight + 1, latitude);
    const std::optional<double> rise = settled && sameSideAllDay
                                           ? std::nullopt
                                           : LibrarySunrise(midnight, latitude, longitudeEast, rule);
    if (rise) return {*rise, {}, sun.MoshierNotice()};
    return {std::nullopt, std::string(NoSunriseReasons[2]), sun.MoshierNotice()};
}

std::optional<double> FindSunsetAfter(double julianDayUT, double latitude, double longitudeEast,
                                      SunriseRule rule) {
    // From the Sun at the transit after the moment, as the rise is found; the library's
    // search where that does not settle, near the polar limit.
    SunNear sun(rule);
    sun.ComputeAt(julianDayUT);
    double transit = sun.TransitNear(julianDayUT + 0.25, longitudeEast);
    if (transit < julianDayUT) transit += 1;
    sun.ComputeAt(transit + 0.25);
    const RiseEstimate set = sun.RiseBefore(sun.TransitNear(transit, longitudeEast), latitude, +1);
    if (set.Settled && set.JulianDayUT && *set.JulianDayUT > julianDayUT && *set.JulianDayUT < julianDayUT + 1) {
        return set.JulianDayUT;
    }
    const std::optional<double> found = LibrarySunEvent(julianDayUT, latitude, longitudeEast, SE_CALC_SET, rule);
    if (found && *found >= julianDayUT + 1) return std::nullopt;
    return found;
}

double FindLowerTransitNear(double julianDayUT, double longitudeEast) {
    SunNear sun(SunriseRule::TrueCentre);
    sun.ComputeAt(julianDayUT);
    const double guess = sun.TransitNear(julianDayUT, longitudeEast, 180);
    sun.ComputeAt(guess);
    return sun.TransitNear(guess, longitudeEast, 180);
}

}  // namespace grahavani
