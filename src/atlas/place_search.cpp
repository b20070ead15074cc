#include "atlas/place_search.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "atlas/search_folding.h"

namespace grahavani {
namespace {

// Folded, with every run of spaces and ASCII punctuation made one space, so "Xi'an" reads "xi an".
std::string SearchForm(std::string_view text) {
    std::string form;
    for (const char c : FoldForSearch(text)) {
        const auto byte = static_cast<unsigned char>(c);
        const bool wordCharacter = byte >= 0x80 || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                                   (c >= 'A' && c <= 'Z');
        if (wordCharacter) {
            form += c;
        } else if (!form.empty() && form.back() != ' ') {
            form += ' ';
        }
    }
    if (!form.empty() && form.back() == ' ') form.pop_back();
    return form;
}

// Whether the term starts at the start of a word of the text (both in search form).
bool StartsAWord(std::string_view text, std::string_view term) {
    for (auto at = text.find(term); at != std::string_view::npos; at = text.find(term, at + 1)) {
        if (at == 0 || text[at - 1] == ' ') return true;
    }
    return false;
}

struct IndexedPlace {
    std::string name, state, country, countryCode;
    std::vector<std::string> aliases;
};

// Built on the first search, so the programs start without it.
const std::vector<IndexedPlace>& SearchIndex() {
    static const std::vector<IndexedPlace> index = [] {
        const auto places = AtlasPlaces();
        std::vector<IndexedPlace> built;
        built.reserve(places.size());
        for (const auto& place : places) {
            built.push_back({SearchForm(place.Name), SearchForm(place.State), SearchForm(place.Country),
                             SearchForm(place.CountryCode), {}});
        }
        for (const auto& alias : PlaceAliases()) built[alias.PlaceIndex].aliases.push_back(SearchForm(alias.Alias));
        return built;
    }();
    return index;
}

enum class NameMatch { None, Prefix, Exact };

NameMatch MatchName(const IndexedPlace& place, std::string_view term) {
    if (place.name == term || std::find(place.aliases.begin(), place.aliases.end(), term) != place.aliases.end()) {
        return NameMatch::Exact;
    }
    if (StartsAWord(place.name, term)) return NameMatch::Prefix;
    for (const auto& alias : place.aliases) {
        if (StartsAWord(alias, term)) return NameMatch::Prefix;
    }
    return NameMatch::None;
}

bool CountryMatches(const IndexedPlace& place, std::string_view term) {
    return term.empty() || place.countryCode == term || StartsAWord(place.country, term);
}

std::vector<std::string> QueryParts(std::string_view query) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const auto comma = query.find(',', start);
        parts.push_back(SearchForm(query.substr(start, comma == std::string_view::npos ? comma : comma - start)));
        if (comma == std::string_view::npos) return parts;
        start = comma + 1;
    }
}

double DistanceRadians(double latitude1, double longitude1, double latitude2, double longitude2) {
    constexpr double radiansPerDegree = std::numbers::pi / 180.0;
    const double phi1 = latitude1 * radiansPerDegree, phi2 = latitude2 * radiansPerDegree;
    const double halfDeltaPhi = (phi2 - phi1) / 2, halfDeltaLambda = (longitude2 - longitude1) * radiansPerDegree / 2;
    const double haversine = std::sin(halfDeltaPhi) * std::sin(halfDeltaPhi) +
                             std::cos(phi1) * std::cos(phi2) * std::sin(halfDeltaLambda) * std::sin(halfDeltaLambda);
    return 2 * std::asin(std::sqrt(std::min(1.0, haversine)));
}

}  // namespace

PlaceMatches FindPlaces(std::string_view query, std::size_t limit) {
    PlaceMatches matches;
    const auto parts = QueryParts(query);
    if (parts.size() > 3 || parts.front().empty()) return matches;
    const std::string_view name = parts[0];
    const std::string_view stateOrCountry = parts.size() == 2 ? std::string_view(parts[1]) : std::string_view();
    const std::string_view state = parts.size() == 3 ? std::string_view(parts[1]) : std::string_view();
    const std::string_view country = parts.size() == 3 ? std::string_view(parts[2]) : std::string_view();

    const auto places = AtlasPlaces();
    const auto& index = SearchIndex();
    std::vector<const AtlasPlace*> prefixMatches;
    for (std::size_t i = 0; i < index.size(); ++i) {
        const auto& place = index[i];
        const NameMatch match = MatchName(place, name);
        if (match == NameMatch::None) continue;
        if (!stateOrCountry.empty() && !StartsAWord(place.state, stateOrCountry) &&
            !CountryMatches(place, stateOrCountry)) {
            continue;
        }
        if (!state.empty() && !StartsAWord(place.state, state)) continue;
        if (!CountryMatches(place, country)) continue;
        ++matches.Count;
        if (match == NameMatch::Exact) {
            if (matches.Places.size() < limit) matches.Places.push_back(&places[i]);
            ++matches.ExactCount;
        } else if (prefixMatches.size() < limit) {
            prefixMatches.push_back(&places[i]);
        }
    }
    const std::size_t room = limit - matches.Places.size();
    matches.Places.insert(matches.Places.end(), prefixMatches.begin(),
                          prefixMatches.begin() + static_cast<std::ptrdiff_t>(std::min(room, prefixMatches.size())));
    return matches;
}

const AtlasPlace* NearestPlace(std::string_view country, double latitude, double longitude) {
    if (!std::isfinite(latitude) || !std::isfinite(longitude)) return nullptr;
    const auto term = SearchForm(country);
    const auto places = AtlasPlaces();
    const auto& index = SearchIndex();
    const AtlasPlace* nearest = nullptr;
    double nearestDistance = 0;
    for (std::size_t i = 0; i < index.size(); ++i) {
        if (!CountryMatches(index[i], term)) continue;
        const double distance = DistanceRadians(latitude, longitude, places[i].Latitude, places[i].Longitude);
        if (!nearest || distance < nearestDistance) {
            nearest = &places[i];
            nearestDistance = distance;
        }
    }
    return nearest;
}

}  // namespace grahavani
