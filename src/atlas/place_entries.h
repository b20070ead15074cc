#pragma once
// An atlas place as the entry form holds it (names, whole degrees and minutes, directions), and
// the entries' place and time as the atlas reads them.

#include <optional>

#include "atlas/atlas_data.h"
#include "atlas/local_clock.h"
#include "model/birth_entries.h"

namespace grahavani {

// The magnitude of an angle in degrees as whole minutes, rounded to the nearest.
long RoundedMinutes(double degrees);

// Fills City, State, Country, the four coordinates (the magnitude rounded to the nearest whole
// minute) and both directions (north and east for positive values); leaves the rest alone.
void EnterAtlasPlace(const AtlasPlace& place, BirthEntries& entries);

struct SignedCoordinates {
    double Latitude = 0;   // degrees, north positive
    double Longitude = 0;  // degrees, east positive
};

// The entries' coordinates with their directions; none when a coordinate is no whole number.
std::optional<SignedCoordinates> EnteredCoordinates(const BirthEntries& entries);

// The entries' date and time; none while the lists hold no valid date.
std::optional<LocalDateTime> EnteredLocalTime(const BirthEntries& entries);

}  // namespace grahavani
