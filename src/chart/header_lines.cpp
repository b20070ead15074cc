#include "chart/header_lines.h"

#include "translation/names_in.h"
#include "translation/translated.h"

namespace grahavani {

std::array<std::string, 8> HeaderLines(const BirthRecord& b, Language language) {
    using std::to_string;
    const auto label = [language](std::string_view english) {
        return std::string(Translated(language, "chart/header_lines.cpp HeaderLines", english));
    };
    const std::string month = b.Month >= 1 && b.Month <= 12
                                  ? std::string(NamesIn(language).Months[static_cast<std::size_t>(b.Month - 1)])
                                  : std::string();
    const std::string date = language == Language::English
                                 ? month + " " + to_string(b.Day) + ", " + to_string(b.Year)
                                 : to_string(b.Day) + " " + month + " " + to_string(b.Year);
    // The directions are left out: the lines show the entered magnitudes only.
    return {
        label("Name: ") + b.Name,
        label("City: ") + b.City,
        label("State: ") + b.State,
        label("Country: ") + b.Country,
        label("Date of Birth: ") + date,
        label("Time of Birth: ") + to_string(b.Hour) + label(" HH ") + to_string(b.Minute) + label(" MM "),
        label("Latitude: ") + to_string(b.LatitudeDegrees) + label(" Degree ") + to_string(b.LatitudeMinutes) +
            label(" Minute"),
        label("Longitude: ") + to_string(b.LongitudeDegrees) + label(" Degree ") +
            to_string(b.LongitudeMinutes) + label(" Minute"),
    };
}

}  // namespace grahavani
