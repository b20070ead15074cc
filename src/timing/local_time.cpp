#include "timing/local_time.h"

#include <chrono>
#include <cmath>
#include <optional>

namespace grahavani {
namespace {

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

// Digits written by hand: a chart writes some two hundred of these texts, and a formatted print
// costs more than the whole chart.
void WriteDigits(char* end, int value, int count) {
    for (int i = 0; i < count; ++i, value /= 10) *--end = static_cast<char>('0' + value % 10);
}

std::string Format(std::chrono::seconds local, bool withSeconds) {
    const auto day = date::floor<date::days>(date::sys_seconds{local});
    const date::year_month_day ymd{day};
    const int year = static_cast<int>(ymd.year());
    if (year < 0 || year > 9999) return {};
    const date::hh_mm_ss clock{date::sys_seconds{local} - day};
    std::string text = withSeconds ? "0000-00-00T00:00:00" : "0000-00-00T00:00";
    WriteDigits(&text[4], year, 4);
    WriteDigits(&text[7], static_cast<int>(unsigned(ymd.month())), 2);
    WriteDigits(&text[10], static_cast<int>(unsigned(ymd.day())), 2);
    WriteDigits(&text[13], static_cast<int>(clock.hours().count()), 2);
    WriteDigits(&text[16], static_cast<int>(clock.minutes().count()), 2);
    if (withSeconds) WriteDigits(&text[19], static_cast<int>(clock.seconds().count()), 2);
    return text;
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
