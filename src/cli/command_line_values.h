#pragma once
// Readers for the values of grahavani-chart's arguments. Each gives nothing for a
// text it cannot read; the caller names the argument in its message.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace grahavani {

struct CalendarDate {
    std::string year, month, day;  // as the entry form's lists write them
};

struct ClockTime {
    std::string hour, minute;
};

struct Coordinate {
    std::string degrees, minutes;
    bool negativeDirection;  // South or West
};

// "1947-08-15"
std::optional<CalendarDate> ReadDate(const std::string& text);
// "00:00" to "24:59"
std::optional<ClockTime> ReadTime(const std::string& text);
// "28N39": degrees, the letter, minutes; `positive` and `negative` are the letters.
std::optional<Coordinate> ReadCoordinate(const std::string& text, char positive, char negative);
// A row number 0-70 or the exact display text of a row.
std::optional<std::size_t> ReadTimeZone(const std::string& text);
// A decimal number of degrees from LeastOwnAyanamsa to GreatestOwnAyanamsa ("23.5"), read to
// the nearest double.
std::optional<double> ReadOwnAyanamsa(const std::string& text);
// "1990-05-17T14:05", or "1990-05-17" for its 00:00: seconds from 1970-01-01T00:00 on the same
// clock.
std::optional<std::int64_t> ReadLocalMoment(const std::string& text);

}  // namespace grahavani
