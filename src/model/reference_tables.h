#pragma once
// The time zones the entry form offers, and the three nakshatras of each sign with
// their lords and the number of their quarters (padas) in that sign.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/chart_result.h"

namespace grahavani {

struct TimeZoneRow {
    std::string_view displayText;  // shown as it stands, never parsed
    std::int16_t hours;            // correction from local time to UT: minus the offset
    std::int16_t minutes;          // 0, 30 or -30
};

struct SignNakshatraRow {
    std::string_view nakshatra;
    std::string_view lord;
    std::string_view padasInSign;
};

inline constexpr std::size_t TimeZoneCount = 71;

extern const std::array<TimeZoneRow, TimeZoneCount> TimeZoneList;
// Three rows per sign in zodiac order: row r belongs to sign r / 3.
extern const std::array<SignNakshatraRow, 36> SignNakshatraTable;

std::int16_t TimeZoneHours(std::size_t row);
std::int16_t TimeZoneMinutes(std::size_t row);
// The row's offset ahead of universal time: the table holds minus the offset.
std::int32_t ZoneRowOffsetSeconds(std::size_t row);
// The row whose text is exactly `text`, if any.
std::optional<std::size_t> ZoneRowOfText(std::string_view text);

// The tables are constant data, ready before any code runs; this stays as the one
// place where the program asks for them to be ready.
void InitReferenceTables();

// Sets NakshatraLord and NakshatraPada from the first row that names MoonNakshatra;
// both keep their values when no row does.
void LookupNakshatraLord(ChartResult& chart);

}  // namespace grahavani
