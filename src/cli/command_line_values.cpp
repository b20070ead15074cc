#include "command_line_values.h"

#include <cctype>
#include <charconv>

#include "model/name_tables.h"
#include "model/reference_tables.h"

namespace grahavani {

namespace {

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

// A run of digits as the list texts write numbers: no leading zeros.
std::optional<std::string> ListNumber(std::string_view digits) {
    if (!AllDigits(digits) || digits.size() > 5) return std::nullopt;
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return std::to_string(value);
}

}  // namespace

std::optional<CalendarDate> ReadDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto year = ListNumber(std::string_view(text).substr(0, 4));
    const auto month = ListNumber(std::string_view(text).substr(5, 2));
    const auto day = ListNumber(std::string_view(text).substr(8, 2));
    if (!year || !month || !day) return std::nullopt;
    const int monthNumber = std::stoi(*month);
    if (monthNumber < 1 || monthNumber > 12) return std::nullopt;
    return CalendarDate{*year, std::string(MonthNames[static_cast<std::size_t>(monthNumber - 1)]),
                        *day};
}

std::optional<ClockTime> ReadTime(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 2 || text.size() - colon - 1 != 2) {
        return std::nullopt;
    }
    const auto hour = ListNumber(std::string_view(text).substr(0, colon));
    const auto minute = ListNumber(std::string_view(text).substr(colon + 1));
    if (!hour || !minute) return std::nullopt;
    return ClockTime{*hour, *minute};
}

std::optional<Coordinate> ReadCoordinate(const std::string& text, char positive, char negative) {
    const auto letter = text.find_first_of(std::string{positive, negative,
                                                       static_cast<char>(std::tolower(positive)),
                                                       static_cast<char>(std::tolower(negative))});
    if (letter == std::string::npos) return std::nullopt;
    const std::string degrees = text.substr(0, letter);
    const std::string minutes = text.substr(letter + 1);
    if (!AllDigits(degrees) || !AllDigits(minutes) || degrees.size() > 5 || minutes.size() > 5) {
        return std::nullopt;
    }
    const bool negativeDirection =
        std::toupper(static_cast<unsigned char>(text[letter])) == negative;
    return Coordinate{degrees, minutes, negativeDirection};
}

std::optional<std::size_t> ReadTimeZone(const std::string& text) {
    if (AllDigits(text) && text.size() <= 2) {
        const auto row = static_cast<std::size_t>(std::stoi(text));
        if (row < TimeZoneCount) return row;
        return std::nullopt;
    }
    return ZoneRowOfText(text);
}

}  // namespace grahavani
