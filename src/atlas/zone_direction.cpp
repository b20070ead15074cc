#include "atlas/zone_direction.h"

#include "atlas/local_clock.h"
#include "translation/filled.h"
#include "translation/translated.h"

namespace grahavani {

bool ClassicReadsZoneBackwards(std::int32_t offsetSeconds, bool isEast) {
    return isEast ? offsetSeconds < 0 : offsetSeconds > 0;
}

std::string ClassicZoneWarningText(std::string_view place, std::int32_t offsetSeconds, bool isEast,
                                   Language language) {
    const std::string_view pattern =
        isEast ? "%1 lies east of Greenwich, but its clock is %2. The classic ephemeris will read its time zone "
                 "backwards, as %3. Switch to the precise engine to read the zone as it is."
               : "%1 lies west of Greenwich, but its clock is %2. The classic ephemeris will read its time zone "
                 "backwards, as %3. Switch to the precise engine to read the zone as it is.";
    return Filled(Translated(language, "atlas/zone_direction.cpp ClassicZoneWarningText", pattern),
                  {place, UtcOffsetText(offsetSeconds), UtcOffsetText(-offsetSeconds)});
}

}  // namespace grahavani
