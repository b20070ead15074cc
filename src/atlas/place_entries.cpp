#include "atlas/place_entries.h"

#include <cmath>
#include <cstdlib>

#include "model/name_tables.h"

namespace grahavani {
namespace {

void EnterAngle(double degrees, std::string& wholeDegrees, std::string& minutes) {
    const long totalMinutes = RoundedMinutes(degrees);
    wholeDegrees = std::to_string(totalMinutes / 60);
    minutes = std::to_string(totalMinutes % 60);
}

std::optional<double> EnteredAngle(const std::string& degrees, const std::string& minutes, bool negative) {
    const auto whole = ParseWholeNumber16(degrees);
    const auto part = ParseWholeNumber16(minutes);
    if (!whole || !part) return std::nullopt;
    const double angle = *whole + *part / 60.0;
    return negative ? -angle : angle;
}

}  // namespace

long RoundedMinutes(double degrees) { return std::lround(std::abs(degrees) * 60); }

void EnterAtlasPlace(const AtlasPlace& place, BirthEntries& entries) {
    entries.City = place.Name;
    entries.State = place.State;
    entries.Country = place.Country;
    EnterAngle(place.Latitude, entries.LatitudeDegrees, entries.LatitudeMinutes);
    entries.IsSouth = place.Latitude < 0;
    EnterAngle(place.Longitude, entries.LongitudeDegrees, entries.LongitudeMinutes);
    entries.IsEast = place.Longitude >= 0;
}

std::optional<SignedCoordinates> EnteredCoordinates(const BirthEntries& entries) {
    const auto latitude = EnteredAngle(entries.LatitudeDegrees, entries.LatitudeMinutes, entries.IsSouth);
    const auto longitude = EnteredAngle(entries.LongitudeDegrees, entries.LongitudeMinutes, !entries.IsEast);
    if (!latitude || !longitude) return std::nullopt;
    return SignedCoordinates{*latitude, *longitude};
}

std::optional<LocalDateTime> EnteredLocalTime(const BirthEntries& entries) {
    if (CheckListValues(entries) || CheckDate(entries)) return std::nullopt;
    const auto number = [](const std::string& text) { return ParseWholeNumber16(text).value_or(0); };
    int month = 1;
    while (MonthNames[static_cast<std::size_t>(month - 1)] != entries.Month) ++month;
    return LocalDateTime{number(entries.Year), month, number(entries.Day), number(entries.Hour), number(entries.Minute), 0};
}

}  // namespace grahavani
