#pragma once
// The classic ephemeris applies a zone's hours in the direction of the longitude; a place whose
// clock runs the other way from Greenwich (Madrid: west, yet ahead) would be read backwards.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/language.h"

namespace grahavani {

// True when the clock is ahead of universal time west of Greenwich, or behind it east of it.
bool ClassicReadsZoneBackwards(std::int32_t offsetSeconds, bool isEast);

// The warning shown before a classic calculation for such a place, in the reader's language.
std::string ClassicZoneWarningText(std::string_view place, std::int32_t offsetSeconds, bool isEast,
                                   Language language = Language::English);

}  // namespace grahavani
