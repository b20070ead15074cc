#include "atlas/local_clock.h"

#include <date/date.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <variant>

#include "atlas/zone_file.h"

namespace grahavani {
namespace {

using std::chrono::seconds;

constexpr std::array<const char*, 12> kMonthAbbreviations{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Compiled zone files carry only a daylight-saving flag. The amount is the offset less that of the
// nearest standard-time period, stepping out one period at a time on both sides, the earlier side
// first: Dublin's winter GMT comes out at -1:00, Apia's first summer east of the date line at +1:00,
// Britain's double summer time at +2:00.
std::int32_t DaylightSavingAmount(const ZoneHistory& history, std::size_t period) {
    if (!history[period].DaylightSaving) return 0;
    const auto amount = [&](std::size_t standard) {
        return history[period].OffsetSeconds - history[standard].OffsetSeconds;
    };
    constexpr std::size_t maxSteps = 64;
    for (std::size_t step = 1; step <= maxSteps; ++step) {
        if (step <= period && !history[period - step].DaylightSaving) return amount(period - step);
        if (period + step < history.size() && !history[period + step].DaylightSaving) return amount(period + step);
    }
    return 3600;  // no standard time within reach: the usual hour
}

ZoneClock ClockOf(const ZoneHistory& history, std::size_t period) {
    const ZonePeriod& clock = history[period];
    return {clock.OffsetSeconds, DaylightSavingAmount(history, period), clock.DaylightSaving, clock.Abbreviation};
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

    auto loaded = LoadZone(timeZone);
    if (auto* message = std::get_if<std::string>(&loaded)) return Invalid(std::move(*message));
    const ZoneHistory& history = *std::get<std::shared_ptr<const ZoneHistory>>(loaded);
    const auto when = date::local_days{day} + std::chrono::hours{local.Hour} + std::chrono::minutes{local.Minute} +
                      seconds{local.Second};
    const std::int64_t localSeconds = when.time_since_epoch().count();
    const std::string where = LocalDateTimeText(local) + " in " + std::string(timeZone);
    // The first period that begins after the local time read on that period's own clock.
    const auto next = static_cast<std::size_t>(
        std::upper_bound(history.begin() + 1, history.end(), localSeconds,
                         [](std::int64_t at, const ZonePeriod& period) {
                             return at - period.OffsetSeconds < period.BeginSeconds;
                         }) -
        history.begin());
    const std::size_t period = next - 1;
    // Read on the clock before, the time may fall before the period began: the clocks went back.
    if (period > 0 && localSeconds - history[period - 1].OffsetSeconds < history[period].BeginSeconds) {
        const auto earlier = ClockOf(history, period - 1), later = ClockOf(history, period);
        return {LocalTimeKind::Repeated, fold == 0 ? earlier : later,
                where + " happened twice, first at " + ClockText(earlier) + " and again at " + ClockText(later) +
                    " when the clocks went back; the " + (fold == 0 ? "earlier" : "later") + " is used."};
    }
    // Read on the period's clock, the time may fall after the next began: the clocks went forward.
    if (next < history.size() && localSeconds - history[period].OffsetSeconds >= history[next].BeginSeconds) {
        return {LocalTimeKind::Skipped, std::nullopt,
                where + " never happened: the clocks went forward from " + ClockText(ClockOf(history, period)) +
                    " to " + ClockText(ClockOf(history, next)) + "."};
    }
    return {LocalTimeKind::Regular, ClockOf(history, period), {}};
}

}  // namespace grahavani
