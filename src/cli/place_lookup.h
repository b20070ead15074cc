#pragma once
// The atlas place a command-line text names: the most populous of the places it names whole, else
// the most populous of those it matches.

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "atlas/atlas_data.h"

namespace grahavani {

struct FoundPlace {
    const AtlasPlace* Place = nullptr;
    std::size_t OtherMatches = 0;  // places that matched beside it
    std::size_t ExactNames = 0;    // places the text names whole, it among them when there are any
};

// A message when nothing matches, or when the two most populous matches are equally populous
// and nothing tells them apart.
std::variant<FoundPlace, std::string> FindBirthPlace(std::string_view text);

// "using York, England, United Kingdom (an exact name; 12 other places match)", or "(the most
// populous exact name; ...)" among several, or "(the most populous; ...)" when none is exact: what
// the command tells the user.
std::string FoundPlaceText(const FoundPlace& found);

}  // namespace grahavani
