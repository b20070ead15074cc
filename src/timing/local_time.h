#pragma once
// Instants as Julian days (UT) turned into the birth place's clock: its civil date and
// ISO 8601 texts without an offset suffix, since they are the place's local time.

#include <date/date.h>

#include <cstddef>
#include <string>

namespace grahavani {

// Julian day (UT) of 1970-01-01T00:00, where the system clock and std::chrono count from.
inline constexpr double UnixEpochJulianDay = 2440587.5;
inline constexpr double SecondsPerDay = 86400;

// The civil date on the local clock at the instant rounded to the second, so that a
// birth at local midnight stays on its own date; 1970-01-01 for an instant out of range.
date::year_month_day LocalDateOf(double julianDayUT, int clockOffsetSeconds);

// "YYYY-MM-DDTHH:MM", rounded to the nearest minute; empty for an instant that is not a
// finite date in the years 0000 to 9999.
std::string FormatLocalMinute(double julianDayUT, int clockOffsetSeconds);
// "YYYY-MM-DDTHH:MM:SS", rounded to the nearest second; empty like the above.
std::string FormatLocalSecond(double julianDayUT, int clockOffsetSeconds);

// The same texts written into `out`, which must hold LocalSecondTextLength characters;
// gives the number written, 0 for the empty text. For writers that cannot afford a string
// for each of their hundreds of thousands of dates.
inline constexpr std::size_t LocalSecondTextLength = 19;
std::size_t WriteLocalTime(double julianDayUT, int clockOffsetSeconds, bool withSeconds, char* out);

}  // namespace grahavani
