#pragma once
// The birth data of one chart as the user entered it.

#include <cstdint>
#include <optional>
#include <string>

namespace grahavani {

struct BirthRecord {
    std::string Name;              // as typed, not trimmed
    std::int16_t Day = 0;          // 1-31
    std::int16_t Month = 0;        // 1-12
    std::int16_t Year = 0;         // 1900-2050
    std::int16_t Hour = 0;         // 0-24
    std::int16_t Minute = 0;       // 0-59
    std::int16_t ZoneHours = 0;    // magnitude only: the hemisphere gives the direction
    std::int16_t ZoneMinutes = 0;  // whole minutes, magnitude only
    // Signed seconds ahead of universal time (+19800 for India), when the source knows the
    // sign. The precise engine uses it; the classic engine keeps to the magnitudes above.
    std::optional<std::int32_t> ZoneOffsetSeconds;
    std::int16_t LongitudeDegrees = 0;
    std::int16_t LongitudeMinutes = 0;
    std::int16_t LatitudeDegrees = 0;
    std::int16_t LatitudeMinutes = 0;
    bool IsEast = false;
    bool IsSouth = false;
    bool DaylightSaving = false;
    std::string City;              // trimmed
    std::string State;             // trimmed
    std::string Country;           // trimmed
};

}  // namespace grahavani
