#include "atlas/local_clock.h"

#include <date/tz.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace grahavani {
namespace {

using std::chrono::seconds;

constexpr std::array<const char*, 12> kMonthAbbreviations{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Compiled zone files (read with USE_OS_TZDB) carry only a daylight-saving flag, so date/tz gives a
// token save. The amount is the offset less that of the nearest standard-time period, stepping out
// one period at a time on both sides, the earlier side first: Dublin's winter GMT comes out at -1:00,
// Apia's first summer east of the date line at +1:00, Britain's double summer time at +2:00.
std::int32_t DaylightSavingAmount(const date::time_zone& zone, const date::sys_info& info) {
    if (info.save == std::chrono::minutes{0}) return 0;
    const auto amount = [&](const date::sys_info& standard) {
        return static_cast<std::int32_t>((info.offset - standard.offset).count());
    };
    constexpr int maxSteps = 64;
    date::sys_info before = info, after = info;
    for (int step = 0; step < maxSteps; ++step) {
        if (before.begin > date::sys_seconds::min() + seconds{1}) {
            before = zone.get_info(before.begin - seconds{1});
            if (before.save == std::chrono::minutes{0}) return amount(before);
        }
        if (after.end < date::sys_seconds::max() - seconds{1}) {
            after = zone.get_info(after.end);
            if (after.save == std::chrono::minutes{0}) return amount(after);
        }
    }
    return static_cast<std::int32_t>(std::chrono::duration_cast<seconds>(info.save).count());
}

ZoneClock ClockOf(const date::time_zone& zone, const date::sys_info& info) {
    return {static_cast<std::int32_t>(info.offset.count()), DaylightSavingAmount(zone, info),
            info.save != std::chrono::minutes{0}, info.abbrev};
}

std::string ClockText(const ZoneClock& clock) { return UtcOffsetText(clock.OffsetSeconds) + " (" + clock.Abbreviation + ")"; }

ClockReading Invalid(std::string message) { return {LocalTimeKind::Invalid, std::nullopt, std::move(message)}; }

}  // namespace

std::string LocalDateText(const LocalDateTime& local) {
    const bool knownMonth = local.Month >= 1 && local.Month <= 12;
    return std::to_string(local.Day) + " " +
           (knownMonth ? kMonthAbbreviations[static_cast<std::size_t>(local.Month - 1)] : "month " + std::to_string(local.Month)) +
           " " + std::to_string(local.Year);
}

std::string LocalDateTimeText(const LocalDateTime& local) {
    char time[32];
    if (local.Second == 0) {
        std::snprintf(time, sizeof time, " %02d:%02d", local.Hour, local.Minute);
    } else {
        std::snprintf(time, sizeof time, " %02d:%02d:%02d", local.Hour, local.Minute, local.Second);
    }
    return LocalDateText(local) + time;
}

std::string UtcOffsetText(std::int32_t offsetSeconds) {
    const long magnitude = std::labs(static_cast<long>(offsetSeconds));
    char text[32];
    if (magnitude % 60 == 0) {
        std::snprintf(text, sizeof text, "%c%ld:%02ld", offsetSeconds < 0 ? '-' : '+', magnitude / 3600,
                      magnitude / 60 % 60);
    } else {
        std::snprintf(text, sizeof text, "%c%ld:%02ld:%02ld", offsetSeconds < 0 ? '-' : '+', magnitude / 3600,
                      magnitude / 60 % 60, magnitude % 60);
    }
    return text;
}

ClockReading ReadLocalClock(std::string_view timeZone, const LocalDateTime& local, int fold) {
    if (fold != 0 && fold != 1) return Invalid("The fold must be 0 (the earlier) or 1 (the later), not " + std::to_string(fold) + ".");
    // The tz database's years; beyond them the clock's rules are a guess.
    if (local.Year < 1 || local.Year > 9999) return Invalid("The year " + std::to_string(local.Year) + " is outside 1 to 9999.");
    const date::year_month_day day{date::year{local.Year}, date::month{static_cast<unsigned>(std::clamp(local.Month, 0, 13))},
                                   date::day{static_cast<unsigned>(std::clamp(local.Day, 0, 32))}};
    if (!day.ok()) return Invalid("There is no date " + LocalDateText(local) + ".");
    const bool endOfDay = local.Hour == 24 && local.Minute == 0 && local.Second == 0;
    if (!endOfDay && (local.Hour < 0 || local.Hour > 23 || local.Minute < 0 || local.Minute > 59 || local.Second < 0 ||
                      local.Second > 59)) {
        return Invalid("There is no time " + LocalDateTimeText(local).substr(LocalDateText(local).size() + 1) + ".");
    }

    const date::time_zone* zone = nullptr;
    try {
        zone = date::locate_zone(timeZone);
    } catch (const std::exception&) {
        return Invalid("The time zone \"" + std::string(timeZone) + "\" is not in the tz database.");
    }
    const auto when = date::local_days{day} + std::chrono::hours{local.Hour} + std::chrono::minutes{local.Minute} +
                      seconds{local.Second};
    const auto info = zone->get_info(when);
    const std::string where = LocalDateTimeText(local) + " in " + std::string(timeZone);
    switch (info.result) {
        case date::local_info::unique:
            return {LocalTimeKind::Regular, ClockOf(*zone, info.first), {}};
        case date::local_info::nonexistent:
            return {LocalTimeKind::Skipped, std::nullopt,
                    where + " never happened: the clocks went forward from " + ClockText(ClockOf(*zone, info.first)) +
                        " to " + ClockText(ClockOf(*zone, info.second)) + "."};
        case date::local_info::ambiguous:
        default: {
            const auto earlier = ClockOf(*zone, info.first), later = ClockOf(*zone, info.second);
            return {LocalTimeKind::Repeated, fold == 0 ? earlier : later,
                    where + " happened twice, first at " + ClockText(earlier) + " and again at " + ClockText(later) +
                        " when the clocks went back; the " + (fold == 0 ? "earlier" : "later") + " is used."};
        }
    }
}

}  // namespace grahavani
