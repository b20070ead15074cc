#include "model/birth_entries.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "model/name_tables.h"
#include "model/reference_tables.h"
#include "model/zone_offset.h"
#include "model/text_utilities.h"

namespace grahavani {

namespace {

// The position of a number text in a list running from `first` to `last`, written
// without leading zeros, or nothing when the list does not offer it.
std::optional<int> NumberInList(const std::string& text, int first, int last) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (value < first || value > last || std::to_string(value) != text) return std::nullopt;
    return value;
}

std::optional<int> MonthNumber(const std::string& text) {
    for (std::size_t i = 0; i < MonthNames.size(); ++i) {
        if (MonthNames[i] == text) return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

std::optional<EntryProblem> Problem(std::string message, std::optional<EntryField> focus) {
    return EntryProblem{std::move(message), focus};
}

}  // namespace

std::optional<EntryProblem> CheckRequiredFields(const BirthEntries& e) {
    if (e.Name.empty()) return Problem("Please Enter Your Name", EntryField::Name);
    if (e.LatitudeDegrees.empty())
        return Problem("Please Enter Degree of Latitude", EntryField::LatitudeDegrees);
    if (e.LatitudeMinutes.empty())
        return Problem("Please Enter Minutes of Latitude", EntryField::LatitudeMinutes);
    if (e.LongitudeDegrees.empty())
        return Problem("Please Enter Degree of Longitude", EntryField::LongitudeDegrees);
    if (e.LongitudeMinutes.empty())
        return Problem("Please Enter Minute of Longitude", EntryField::LongitudeMinutes);
    if (e.City.empty()) return Problem("Please Enter Your City name", EntryField::City);
    if (e.State.empty()) return Problem("Please Enter Your State name", EntryField::State);
    if (e.Country.empty()) return Problem("Please Enter Your Country name", EntryField::Country);
    return std::nullopt;
}

std::optional<EntryProblem> CheckListValues(const BirthEntries& e) {
    if (!NumberInList(e.Day, 1, 31))
        return Problem("Please choose the day of birth from 1 to 31", EntryField::Day);
    if (!MonthNumber(e.Month))
        return Problem("Please choose the month of birth from January to December",
                       EntryField::Month);
    if (!NumberInList(e.Year, 1900, 2050))
        return Problem("Please choose the year of birth from 1900 to 2050", EntryField::Year);
    if (!NumberInList(e.Hour, 0, 24))
        return Problem("Please choose the hour of birth from 0 to 24", EntryField::Hour);
    if (!NumberInList(e.Minute, 0, 59))
        return Problem("Please choose the minute of birth from 0 to 59", EntryField::Minute);
    const bool extraRow = e.TimeZoneRow == TimeZoneCount && e.ExtraZone;
    if (e.TimeZoneRow >= TimeZoneCount && !extraRow)
        return Problem("Please choose a time zone from the list", EntryField::TimeZone);
    return std::nullopt;
}

std::optional<std::string> CheckDayOfMonth(int day, int month, int year) {
    const bool leapYear = year % 4 == 0;  // so 1900 passes as a leap year
    if (month == 2 && leapYear && day >= 30) return "Please Enter Correct Date Or Month!";
    if (month == 2 && !leapYear && day >= 29) return "Please Enter Correct Date Or Month!";
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31)
        return "Please Enter Correct Date Or Month !";
    return std::nullopt;
}

std::optional<EntryProblem> CheckDate(const BirthEntries& e) {
    const auto message = CheckDayOfMonth(NumberInList(e.Day, 1, 31).value_or(0),
                                         MonthNumber(e.Month).value_or(0),
                                         NumberInList(e.Year, 1900, 2050).value_or(0));
    if (message) return Problem(*message, std::nullopt);
    return std::nullopt;
}

std::optional<EntryProblem> CheckCoordinates(const BirthEntries& e) {
    const struct {
        const std::string& text;
        const char* message;
        EntryField field;
    } coordinates[] = {
        {e.LatitudeDegrees, "Please enter the degrees of latitude as a whole number",
         EntryField::LatitudeDegrees},
        {e.LatitudeMinutes, "Please enter the minutes of latitude as a whole number",
         EntryField::LatitudeMinutes},
        {e.LongitudeDegrees, "Please enter the degrees of longitude as a whole number",
         EntryField::LongitudeDegrees},
        {e.LongitudeMinutes, "Please enter the minutes of longitude as a whole number",
         EntryField::LongitudeMinutes},
    };
    for (const auto& coordinate : coordinates) {
        if (!ParseWholeNumber16(coordinate.text))
            return Problem(std::string(coordinate.message) + " from -32768 to 32767",
                           coordinate.field);
    }
    return std::nullopt;
}

std::optional<EntryProblem> CheckBirthEntries(const BirthEntries& entries) {
    if (auto problem = CheckRequiredFields(entries)) return problem;
    if (auto problem = CheckListValues(entries)) return problem;
    if (auto problem = CheckDate(entries)) return problem;
    return CheckCoordinates(entries);
}

std::optional<std::int16_t> ParseWholeNumber16(const std::string& text) {
    std::string_view digits = TrimBlanks(text);
    if (digits.size() > 1 && digits[0] == '+' && digits[1] != '-') digits.remove_prefix(1);
    std::int16_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

BirthRecord ToBirthRecord(const BirthEntries& e) {
    const auto number = [](const std::string& text) {
        return ParseWholeNumber16(text).value_or(0);
    };
    BirthRecord birth;
    birth.Name = e.Name;
    birth.Day = number(e.Day);
    birth.Month = static_cast<std::int16_t>(MonthNumber(e.Month).value_or(0));
    birth.Year = number(e.Year);
    birth.Hour = number(e.Hour);
    birth.Minute = number(e.Minute);
    // The classic engine keeps to the magnitudes, its hemisphere rule giving the direction;
    // the precise engine takes the signed offset, exact to the second where the atlas gave it.
    if (e.TimeZoneRow == TimeZoneCount && e.ExtraZone) {
        SetZoneOffset(birth, e.ExtraZone->OffsetSeconds);
    } else {
        const std::size_t zone = e.TimeZoneRow < TimeZoneCount ? e.TimeZoneRow : 0;
        birth.ZoneHours = static_cast<std::int16_t>(std::abs(TimeZoneHours(zone)));
        birth.ZoneMinutes = static_cast<std::int16_t>(std::abs(TimeZoneMinutes(zone)));
        // The row itself knows the direction: its values take local time to UT.
        birth.ZoneOffsetSeconds =
            e.ZoneOffsetSeconds.value_or(ZoneRowOffsetSeconds(zone));
    }
    birth.LongitudeDegrees = number(e.LongitudeDegrees);
    birth.LongitudeMinutes = number(e.LongitudeMinutes);
    birth.LatitudeDegrees = number(e.LatitudeDegrees);
    birth.LatitudeMinutes = number(e.LatitudeMinutes);
    birth.IsEast = e.IsEast;
    birth.IsSouth = e.IsSouth;
    birth.DaylightSaving = e.DaylightSaving;
    birth.City = TrimBlanks(e.City);
    birth.State = TrimBlanks(e.State);
    birth.Country = TrimBlanks(e.Country);
    return birth;
}

std::string ZoneTextOf(const BirthEntries& entries) {
    if (entries.TimeZoneRow < TimeZoneCount) return std::string(TimeZoneList[entries.TimeZoneRow].displayText);
    return entries.ExtraZone ? entries.ExtraZone->Text : std::string();
}

}  // namespace grahavani
