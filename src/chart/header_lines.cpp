#include "chart/header_lines.h"

#include "model/name_tables.h"

namespace grahavani {

namespace {

std::string MonthName(int month) {
    return month >= 1 && month <= 12 ? std::string(MonthNames[static_cast<std::size_t>(month - 1)])
                                     : std::string();
}

}  // namespace

std::array<std::string, 8> HeaderLines(const BirthRecord& b) {
    using std::to_string;
    // The directions are left out: the lines show the entered magnitudes only.
    return {
        "Name: " + b.Name,
        "City: " + b.City,
        "State: " + b.State,
        "Country: " + b.Country,
        "Date of Birth: " + MonthName(b.Month) + " " + to_string(b.Day) + ", " + to_string(b.Year),
        "Time of Birth: " + to_string(b.Hour) + " HH " + to_string(b.Minute) + " MM ",
        "Latitude: " + to_string(b.LatitudeDegrees) + " Degree " + to_string(b.LatitudeMinutes) +
            " Minute",
        "Longitude: " + to_string(b.LongitudeDegrees) + " Degree " +
            to_string(b.LongitudeMinutes) + " Minute",
    };
}

}  // namespace grahavani
