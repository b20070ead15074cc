#include "command_line_values.h"

#include <cctype>
#include <charconv>
#include <chrono>

#include "model/chart_options.h"

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

// A run of exactly `count` digits.
std::optional<int> FixedDigits(std::string_view text, std::size_t count) {
    if (text.size() != count || !AllDigits(text)) return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
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

std::optional<double> ReadOwnAyanamsa(const std::string& text) {
    // Plain decimals only: from_chars takes no sign, hexadecimal or surrounding blanks here.
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.')) {
        return std::nullopt;
    }
    double degrees = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), degrees,
                                              std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size() ||
        degrees < LeastOwnAyanamsa || degrees > GreatestOwnAyanamsa) {
        return std::nullopt;
    }
    return degrees;
}

std::optional<std::int64_t> ReadLocalMoment(const std::string& text) {
    using namespace std::chrono;
    if (text.size() != 10 && text.size() != 16) return std::nullopt;
    if (text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto year = FixedDigits(std::string_view(text).substr(0, 4), 4);
    const auto month = FixedDigits(std::string_view(text).substr(5, 2), 2);
    const auto day = FixedDigits(std::string_view(text).substr(8, 2), 2);
    if (!year || !month || !day) return std::nullopt;
    const year_month_day date{std::chrono::year(*year), std::chrono::month(static_cast<unsigned>(*month)),
                              std::chrono::day(static_cast<unsigned>(*day))};
    if (!date.ok()) return std::nullopt;
    int hour = 0, minute = 0;
    if (text.size() == 16) {
        if (text[10] != 'T' || text[13] != ':') return std::nullopt;
        const auto h = FixedDigits(std::string_view(text).substr(11, 2), 2);
        const auto m = FixedDigits(std::string_view(text).substr(14, 2), 2);
        if (!h || !m || *h > 23 || *m > 59) return std::nullopt;
        hour = *h;
        minute = *m;
    }
    const seconds moment = sys_days(date).time_since_epoch() + hours(hour) + minutes(minute);
    return moment.count();
}

}  // namespace grahavani
