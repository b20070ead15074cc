#include "place_lookup.h"

#include "atlas/place_search.h"

namespace grahavani {

std::variant<FoundPlace, std::string> FindBirthPlace(std::string_view text) {
    const PlaceMatches matches = FindPlaces(text, 2);
    const std::string quoted = "\"" + std::string(text) + "\"";
    if (matches.Places.empty()) return "no place in the atlas matches " + quoted;
    // Only places of the same standing can tie: two exact names, or two prefixes with no exact name.
    const bool sameStanding = matches.ExactCount != 1;
    if (matches.Places.size() > 1 && sameStanding &&
        matches.Places[0]->Population == matches.Places[1]->Population) {
        return quoted + " matches " + std::to_string(matches.Count) + " places, the two most populous " +
               (matches.ExactCount > 1 ? "exact names " : "") + "equally; add the state or the country";
    }
    return FoundPlace{matches.Places[0], matches.Count - 1, matches.ExactCount};
}

std::string FoundPlaceText(const FoundPlace& found) {
    const AtlasPlace& place = *found.Place;
    std::string text = "using " + std::string(place.Name);
    if (!place.State.empty()) text += ", " + std::string(place.State);
    text += ", " + std::string(place.Country);
    if (found.OtherMatches > 0) {
        const std::string standing = found.ExactNames == 0   ? "the most populous"
                                     : found.ExactNames == 1 ? "an exact name"
                                                             : "the most populous exact name";
        text += " (" + standing + "; " + std::to_string(found.OtherMatches) + " other place" +
                (found.OtherMatches == 1 ? " matches)" : "s match)");
    }
    return text;
}

}  // namespace grahavani
