#pragma once
// The chart file: 15 lines of encoded birth data, each ending in CR LF, in the
// order name, day, month, year, hour, minute, latitude degrees, minutes and
// "North"/"South", longitude degrees, minutes and "East"/"West", city, state, country.
// The time zone and daylight saving are not stored.

#include <cstddef>
#include <string>
#include <string_view>

#include "model/birth_entries.h"

namespace grahavani {

inline constexpr std::size_t ChartFileLineCount = 15;
// Reading never looks further into a file than this.
inline constexpr std::size_t ChartFileReadLimit = 64 * 1024;

// The file's bytes for the entries, each value trimmed of blanks.
std::string WriteChartFile(const BirthEntries& entries);

// Writes the file's values into the entries as the entry form takes them: missing
// lines give empty values, the directions are North and East only when spelled so,
// and the time zone and daylight saving stay as they are. Accepts CR LF or LF.
void ReadChartFile(std::string_view bytes, BirthEntries& entries);

}  // namespace grahavani
