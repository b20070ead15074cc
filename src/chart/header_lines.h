#pragma once
// The eight lines of birth data above the chart's details, as the user entered them.

#include <array>
#include <string>

#include "model/birth_record.h"

namespace grahavani {

// Name, City, State, Country, Date of Birth, Time of Birth, Latitude, Longitude.
std::array<std::string, 8> HeaderLines(const BirthRecord& birth);

}  // namespace grahavani
