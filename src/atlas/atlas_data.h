#pragma once
// The atlas as generated at build time from GeoNames: every city of 15,000 people or more and every
// country's capital (libgeonames, and data/place_supplement.json for the GeoNames records it lacks),
// most populous first, and the old names people still type for some of them.

#include <cstdint>
#include <span>
#include <string_view>

namespace grahavani {

struct AtlasPlace {
    std::string_view Name;
    std::string_view State;
    std::string_view Country;      // English name, as GeoNames gives it
    std::string_view CountryCode;  // ISO 3166-1 alpha-2
    std::string_view TimeZone;     // IANA name
    double Latitude = 0;           // degrees, north positive
    double Longitude = 0;          // degrees, east positive
    std::uint32_t Population = 0;
};

// An old or other name that GeoNames does not carry, pointing at the place it names today.
struct PlaceAlias {
    std::string_view Alias;
    std::uint32_t PlaceIndex = 0;  // into AtlasPlaces()
};

// Sorted by population, most populous first.
std::span<const AtlasPlace> AtlasPlaces();
std::span<const PlaceAlias> PlaceAliases();

}  // namespace grahavani
