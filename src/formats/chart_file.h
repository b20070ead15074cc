#pragma once
// The chart file: 15 lines of encoded birth data, each ending in CR LF, in the
// order name, day, month, year, hour, minute, latitude degrees, minutes and
// "North"/"South", longitude degrees, minutes and "East"/"West", city, state, country.
// Lines of the clock follow, encoded the same way, so that the file reopens the same chart:
// "Zone=" the zone row's text, "DaylightSaving=" 0 or 1, "OffsetSeconds=" the exact signed
// offset when the row does not stand for it, "TimeZone=" the atlas place's IANA zone. Readers
// that know only the 15 lines ignore them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "model/birth_entries.h"
#include "model/language.h"

namespace grahavani {

inline constexpr std::size_t ChartFileLineCount = 15;
// Reading never looks further into a file than this.
inline constexpr std::size_t ChartFileReadLimit = 64 * 1024;

// The bytes for the entries, each value trimmed of blanks, and the lines of their clock when
// the entries hold a valid zone row. `atlasTimeZone` is the IANA zone of a place from the atlas.
std::string WriteChartFile(const BirthEntries& entries, std::string_view atlasTimeZone = {});

// False for bytes that cannot be a chart file: none, more than the read limit, a NUL byte, or
// mostly (line endings and "#HEX;" escapes aside) bytes below the shifted code of a blank, which
// no text the program writes encodes to: a picture or plain text.
bool CouldBeChartFile(std::string_view bytes);

// "FILE is not a chart file", in the reader's language.
std::string NotAChartFileMessage(std::string_view path, Language language = Language::English);

struct ChartFileClock {
    bool StatesZone = false;    // the file has a zone line: the entries took its zone and tick
    std::string AtlasTimeZone;  // "Asia/Kolkata" when the file names the atlas place's zone
};

// Writes the file's values into the entries as the entry form takes them: missing lines give
// empty values, the directions are North and East only when spelled so. A file with a zone line
// sets the zone row (the extra row for a text no row has), the tick and the exact offset; one
// without leaves them as they are. Accepts CR LF or LF; unknown lines after the fifteenth are
// ignored. A zone line that cannot be read gives its message, in the reader's language, and
// leaves the entries untouched.
std::variant<ChartFileClock, std::string> ReadChartFile(std::string_view bytes, BirthEntries& entries,
                                                        Language language = Language::English);

}  // namespace grahavani
