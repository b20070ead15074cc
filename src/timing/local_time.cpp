#include "timing/local_time.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>

namespace grahavani {
namespace {

constexpr double UnixEpochJulianDay = 2440587.5;
constexpr double SecondsPerDay = 86400;
// About ten thousand years either way: keeps every count well inside 64 bits.
constexpr double LargestSecondCount = 3.2e11;

// Seconds on the local clock since 1970-01-01T00:00 local, rounded to whole steps of
// `step` seconds; none when the instant is out of range.
std::optional<std::chrono::seconds> LocalSeconds(double julianDayUT, int clockOffsetSeconds,
                                                 int step) {
    const double seconds = (julianDayUT - UnixEpochJulianDay) * SecondsPerDay + clockOffsetSeconds;
    if (!std::isfinite(seconds) || std::fabs(seconds) > LargestSecondCount) return std::nullopt;
    const auto steps = static_cast<long long>(std::floor(seconds / step + 0.5));
    return std::chrono::seconds{steps * step};
}

std::string Format(std::chrono::seconds local, bool withSeconds) {
    const auto day = date::floor<date::days>(date::sys_seconds{local});
    const date::year_month_day ymd{day};
    const date::hh_mm_ss clock{date::sys_seconds{local} - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()));
    std::string formatted = text;
    if (withSeconds) {
        std::snprintf(text, sizeof text, ":%02d", static_cast<int>(clock.seconds().count()));
        formatted += text;
    }
    return formatted;
}

}  // namespace

date::year_month_day LocalDateOf(double julianDayUT, int clockOffsetSeconds) {
    const auto local = LocalSeconds(julianDayUT, clockOffsetSeconds, 1);
    return date::year_month_day{date::floor<date::days>(date::sys_seconds{local.value_or(
        std::chrono::seconds{0})})};
}

std::string FormatLocalMinute(double julianDayUT, int clockOffsetSeconds) {
    const auto local = LocalSeconds(julianDayUT, clockOffsetSeconds, 60);
    return local ? Format(*local, false) : std::string{};
}

std::string FormatLocalSecond(double julianDayUT, int clockOffsetSeconds) {
    const auto local = LocalSeconds(julianDayUT, clockOffsetSeconds, 1);
    return local ? Format(*local, true) : std::string{};
}

}  // namespace grahavani
