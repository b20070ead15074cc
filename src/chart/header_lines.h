#pragma once
// The eight lines of birth data above the chart's details, as the user entered them.

#include <array>
#include <string>

#include "model/birth_record.h"
#include "model/language.h"

namespace grahavani {

// Name, City, State, Country, Date of Birth, Time of Birth, Latitude, Longitude; in Hindi and
// Tamil the labels are the language's and the date reads day, month, year.
std::array<std::string, 8> HeaderLines(const BirthRecord& birth, Language language = Language::English);

}  // namespace grahavani
