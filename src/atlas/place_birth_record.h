#pragma once
// A birth record's place and clock from an atlas place: what choosing the place on the entry
// form does, for a record whose local date and time are already filled.

#include <string>
#include <variant>

#include "atlas/atlas_data.h"
#include "atlas/local_clock.h"
#include "model/birth_entries.h"
#include "model/birth_record.h"

namespace grahavani {

struct PlaceClockInForce {
    ZoneClock Clock;     // the offset in force at the birth, daylight saving included
    std::string Notice;  // for an hour that happened twice, which one was taken; else empty
};

// Fills City, State, Country (the country's name), the coordinates (magnitudes rounded to the
// nearest whole minute) and the zone: the standard offset with DaylightSaving when one hour of
// daylight saving was added, else the whole offset, as the zone row and its tick would hold it;
// both engines then keep the same clock. The magnitudes are rounded to whole minutes for the
// classic engine, ZoneOffsetSeconds keeps the seconds for the precise one. For a local time
// that never happened, or any other that cannot be read, the message and the record untouched.
std::variant<PlaceClockInForce, std::string> EnterPlaceInRecord(const AtlasPlace& place, int fold,
                                                                BirthRecord& birth);

// What choosing the place on the entry form leaves in entries whose date and time pass their
// checks: the place's fields, the zone row of the clock (or the extra row that names it), the tick
// and the row's exact offset. The message of a time that cannot be read leaves them untouched.
std::variant<PlaceClockInForce, std::string> EnterPlaceInEntries(const AtlasPlace& place, int fold,
                                                                 BirthEntries& entries);

}  // namespace grahavani
