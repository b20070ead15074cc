#pragma once
// The clock a time zone kept at a local date and time, read from the system's tz database: its
// offset from universal time, whether daylight saving was in force, and the zone's abbreviation.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace grahavani {

struct LocalDateTime {
    int Year = 0;
    int Month = 0;   // 1-12
    int Day = 0;     // 1-31
    int Hour = 0;    // 0-24; 24:00 is the end of the day
    int Minute = 0;  // 0-59
    int Second = 0;  // 0-59
};

struct ZoneClock {
    std::int32_t OffsetSeconds = 0;          // ahead of universal time positive
    std::int32_t DaylightSavingSeconds = 0;  // the offset less the zone's standard offset; may be negative
    bool DaylightSaving = false;             // the tz database marks the time as daylight saving
    std::string Abbreviation;                // "IST", "EDT", or numeric like "+0630"

    std::int32_t StandardOffsetSeconds() const { return OffsetSeconds - DaylightSavingSeconds; }
};

enum class LocalTimeKind { Regular, Repeated, Skipped, Invalid };

struct ClockReading {
    LocalTimeKind Kind = LocalTimeKind::Invalid;
    std::optional<ZoneClock> Clock;  // absent for a skipped time or bad input
    std::string Message;             // empty for a regular time; otherwise says what happened
};

// For a local time that happened twice, fold 0 takes the earlier and fold 1 the later.
ClockReading ReadLocalClock(std::string_view timeZone, const LocalDateTime& local, int fold = 0);

// "15 Aug 1943", "15 Aug 1943 01:30", with seconds only when they are not zero.
std::string LocalDateText(const LocalDateTime& local);
std::string LocalDateTimeText(const LocalDateTime& local);

// "+5:30", "-4:00", "+5:21:10": hours, minutes, and seconds only when they are not zero.
std::string UtcOffsetText(std::int32_t offsetSeconds);

}  // namespace grahavani
