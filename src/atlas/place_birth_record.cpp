#include "atlas/place_birth_record.h"

#include <cmath>
#include <cstdlib>

#include "atlas/clock_texts.h"
#include "atlas/place_entries.h"
#include "atlas/zone_row_choice.h"
#include "model/reference_tables.h"
#include "model/zone_offset.h"

namespace grahavani {

namespace {

void EnterAngle(double degrees, std::int16_t& wholeDegrees, std::int16_t& minutes) {
    const long totalMinutes = RoundedMinutes(degrees);
    wholeDegrees = static_cast<std::int16_t>(totalMinutes / 60);
    minutes = static_cast<std::int16_t>(totalMinutes % 60);
}

}  // namespace

std::variant<PlaceClockInForce, std::string> EnterPlaceInRecord(const AtlasPlace& place, int fold,
                                                                BirthRecord& birth) {
    const LocalDateTime local{birth.Year, birth.Month, birth.Day, birth.Hour, birth.Minute, 0};
    ClockReading reading = ReadLocalClock(place.TimeZone, local, fold);
    if (!reading.Clock) return std::move(reading.Message);
    const ZoneClock& clock = *reading.Clock;

    birth.City = place.Name;
    birth.State = place.State;
    birth.Country = place.Country;
    EnterAngle(place.Latitude, birth.LatitudeDegrees, birth.LatitudeMinutes);
    birth.IsSouth = place.Latitude < 0;
    EnterAngle(place.Longitude, birth.LongitudeDegrees, birth.LongitudeMinutes);
    birth.IsEast = place.Longitude >= 0;

    const ZoneRowChoice zone = ChooseZoneRow(clock, TimeZoneCount, {});
    SetZoneOffset(birth, zone.RowOffsetSeconds);
    birth.DaylightSaving = zone.DaylightSaving;
    return PlaceClockInForce{clock, std::move(reading.Message)};
}

std::variant<PlaceClockInForce, std::string> EnterPlaceInEntries(const AtlasPlace& place, int fold,
                                                                 BirthEntries& entries) {
    const auto local = EnteredLocalTime(entries);
    if (!local) return std::string("The date and time of birth are no valid date");
    ClockReading reading = ReadLocalClock(place.TimeZone, *local, fold);
    if (!reading.Clock) return std::move(reading.Message);
    const ZoneClock& clock = *reading.Clock;

    EnterAtlasPlace(place, entries);
    ZoneRowChoice zone =
        ChooseZoneRow(clock, entries.TimeZoneRow, ExtraZoneRowName(place.Name, place.TimeZone, *local, clock));
    entries.TimeZoneRow = zone.Row;
    entries.DaylightSaving = zone.DaylightSaving;
    entries.ExtraZone = std::move(zone.ExtraZone);
    entries.ZoneOffsetSeconds = zone.RowOffsetSeconds;
    return PlaceClockInForce{clock, std::move(reading.Message)};
}

}  // namespace grahavani
