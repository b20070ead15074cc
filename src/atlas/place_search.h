#pragma once
// Finds atlas places as the user types: "name[, state or country][, country]", each part matched
// case- and accent-insensitively against the start of any word: the places whose whole name it is
// first, then the rest, each most populous first.

#include <cstddef>
#include <string_view>
#include <vector>

#include "atlas/atlas_data.h"

namespace grahavani {

struct PlaceMatches {
    std::vector<const AtlasPlace*> Places;  // exact names first, at most the limit asked for
    std::size_t Count = 0;                  // every place that matched, beyond the limit too
    std::size_t ExactCount = 0;             // of those, the places the name part names whole
};

// A name part matches a place's name or one of its old names; it is exact when it is the whole of
// one of them (folded alike). With one more part, the state or the
// country must match it; with two more, the state the first and the country the second. A country
// matches by its name or its two-letter ISO code ("GB").
PlaceMatches FindPlaces(std::string_view query, std::size_t limit);

// The atlas place nearest to the coordinates (degrees, north and east positive) among those of the
// country given as in a query, or of any country when it is empty; null when none matches.
const AtlasPlace* NearestPlace(std::string_view country, double latitude, double longitude);

}  // namespace grahavani
