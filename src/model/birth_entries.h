#pragma once
// The birth data as texts, the way the entry form and a chart file hold it, with
// the checks that decide whether a chart may be computed from it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "model/birth_record.h"

namespace grahavani {

// A zone the table does not offer, added after its rows for a clock the atlas found.
struct ExtraZoneRow {
    std::string Text;               // "Kolkata 1943, war time, +6:30"
    std::int32_t OffsetSeconds = 0;  // ahead of universal time positive, exact
};

struct BirthEntries {
    std::string Name;
    std::string Day;     // "1" ... "31"
    std::string Month;   // "January" ... "December"
    std::string Year;    // "1900" ... "2050"
    std::string Hour;    // "0" ... "24"
    std::string Minute;  // "0" ... "59"
    std::string LatitudeDegrees;
    std::string LatitudeMinutes;
    bool IsSouth = false;
    std::string LongitudeDegrees;
    std::string LongitudeMinutes;
    bool IsEast = true;
    std::string City;
    std::string State;
    std::string Country;
    std::size_t TimeZoneRow = 0;  // TimeZoneCount picks the extra row
    bool DaylightSaving = false;
    std::optional<ExtraZoneRow> ExtraZone;
    // The exact offset of the chosen row when the atlas chose it; empty for a row picked by hand.
    std::optional<std::int32_t> ZoneOffsetSeconds;
};

enum class EntryField {
    Name, Day, Month, Year, Hour, Minute,
    LatitudeDegrees, LatitudeMinutes, LongitudeDegrees, LongitudeMinutes,
    City, State, Country, TimeZone
};

struct EntryProblem {
    std::string message;
    std::optional<EntryField> focus;  // the field to put the cursor in, if any
};

// The eight empty-field tests of the entry form, in its order.
std::optional<EntryProblem> CheckRequiredFields(const BirthEntries& entries);
// Each list field must hold a value its list offers.
std::optional<EntryProblem> CheckListValues(const BirthEntries& entries);
// The three calendar tests (needs list values that pass CheckListValues).
std::optional<EntryProblem> CheckDate(const BirthEntries& entries);
// The same tests on the numbers of a date: their message, or none.
std::optional<std::string> CheckDayOfMonth(int day, int month, int year);
// Each coordinate must be a whole number in the signed 16-bit range.
std::optional<EntryProblem> CheckCoordinates(const BirthEntries& entries);
// All of the above in that order: the first problem found, or none.
std::optional<EntryProblem> CheckBirthEntries(const BirthEntries& entries);

// A whole number in the signed 16-bit range, allowing blanks around it.
std::optional<std::int16_t> ParseWholeNumber16(const std::string& text);

// The birth record of entries that pass CheckBirthEntries.
BirthRecord ToBirthRecord(const BirthEntries& entries);

// The zone as the form's list names it: its row's text, or the row the atlas added.
std::string ZoneTextOf(const BirthEntries& entries);

}  // namespace grahavani
