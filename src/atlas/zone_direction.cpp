#include "atlas/zone_direction.h"

#include "atlas/local_clock.h"

namespace grahavani {

bool ClassicReadsZoneBackwards(std::int32_t offsetSeconds, bool isEast) {
    return isEast ? offsetSeconds < 0 : offsetSeconds > 0;
}

std::string ClassicZoneWarningText(std::string_view place, std::int32_t offsetSeconds, bool isEast) {
    return std::string(place) + " lies " + (isEast ? "east" : "west") + " of Greenwich, but its clock is " +
           UtcOffsetText(offsetSeconds) + ". The classic ephemeris will read its time zone backwards, as " +
           UtcOffsetText(-offsetSeconds) + ". Switch to the precise engine to read the zone as it is.";
}

}  // namespace grahavani
