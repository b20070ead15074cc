#pragma once
// A birth record's zone from a signed offset: exact for the precise engine, and as the
// classic engine holds a zone, its magnitude in whole minutes.

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "model/birth_record.h"

namespace grahavani {

inline void SetZoneOffset(BirthRecord& birth, std::int32_t offsetSeconds) {
    // A half-minute rounds away from zero.
    const long minutes = std::lround(std::abs(offsetSeconds) / 60.0);
    birth.ZoneHours = static_cast<std::int16_t>(minutes / 60);
    birth.ZoneMinutes = static_cast<std::int16_t>(minutes % 60);
    birth.ZoneOffsetSeconds = offsetSeconds;
}

}  // namespace grahavani
