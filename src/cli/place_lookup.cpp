#include "place_lookup.h"

#include "atlas/place_search.h"

namespace grahavani {

std::variant<FoundPlace, std::string> FindBirthPlace(std::string_view text) {
    const PlaceMatches matches = FindPlaces(text, 2);
    const std::string quoted = "\"" + std::string(text) + "\"";
    if (matches.Places.empty()) return "no place in the atlas matches " + quoted;
    if (matches.Places.size() > 1 && matches.Places[0]->Population == matches.Places[1]->Population) {
        return quoted + " matches " + std::to_string(matches.Count) +
               " places, the two most populous equally; add the state or the country";
    }
    return FoundPlace{matches.Places[0], matches.Count - 1};
}

std::string FoundPlaceText(const FoundPlace& found) {
    const AtlasPlace& place = *found.Place;
    std::string text = "using " + std::string(place.Name);
    if (!place.State.empty()) text += ", " + std::string(place.State);
    text += ", " + std::string(place.Country);
    if (found.OtherMatches > 0) {
        text += " (the most populous; " + std::to_string(found.OtherMatches) + " other place" +
                (found.OtherMatches == 1 ? " matches)" : "s match)");
    }
    return text;
}

}  // namespace grahavani
