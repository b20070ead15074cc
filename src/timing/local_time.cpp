#include "timing/local_time.h"

#include <algorithm>
#include <chrono>
#include <string_view>
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

// Digits written by hand, two at a time: a chart writes some two hundred of these texts, and a
// formatted print costs more than the whole chart.
void WriteTwoDigits(char* at, int value) {
    at[0] = static_cast<char>('0' + value / 10);
    at[1] = static_cast<char>('0' + value % 10);
}

std::size_t Write(std::chrono::seconds local, bool withSeconds, char* out) {
    const auto day = date::floor<date::days>(date::sys_seconds{local});
    const date::year_month_day ymd{day};
    const int year = static_cast<int>(ymd.year());
    if (year < 0 || year > 9999) return 0;
    const auto secondOfDay = static_cast<int>((date::sys_seconds{local} - day).count());
    const std::string_view form = withSeconds ? "0000-00-00T00:00:00" : "0000-00-00T00:00";
    std::copy(form.begin(), form.end(), out);
    WriteTwoDigits(&out[0], year / 100);
    WriteTwoDigits(&out[2], year % 100);
    WriteTwoDigits(&out[5], static_cast<int>(unsigned(ymd.month())));
    WriteTwoDigits(&out[8], static_cast<int>(unsigned(ymd.day())));
    WriteTwoDigits(&out[11], secondOfDay / 3600);
    WriteTwoDigits(&out[14], secondOfDay / 60 % 60);
    if (withSeconds) WriteTwoDigits(&out[17], secondOfDay % 60);
    return form.size();
}

std::string Format(double julianDayUT, int clockOffsetSeconds, bool withSeconds) {
    char text[LocalSecondTextLength];
    return {text, WriteLocalTime(julianDayUT, clockOffsetSeconds, withSeconds, text)};
}

}  // namespace

date::year_month_day LocalDateOf(double julianDayUT, int clockOffsetSeconds) {
    const auto local = LocalSeconds(julianDayUT, clockOffsetSeconds, 1);
    return date::year_month_day{date::floor<date::days>(date::sys_seconds{local.value_or(
        std::chrono::seconds{0})})};
}

std::size_t WriteLocalTime(double julianDayUT, int clockOffsetSeconds, bool withSeconds, char* out) {
    const auto local = LocalSeconds(julianDayUT, clockOffsetSeconds, withSeconds ? 1 : 60);
    return local ? Write(*local, withSeconds, out) : 0;
}

std::string FormatLocalMinute(double julianDayUT, int clockOffsetSeconds) {
    return Format(julianDayUT, clockOffsetSeconds, false);
}

std::string FormatLocalSecond(double julianDayUT, int clockOffsetSeconds) {
    return Format(julianDayUT, clockOffsetSeconds, true);
}

}  // namespace grahavani
