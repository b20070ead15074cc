#pragma once
// The atlas place a command-line text names: the most populous of those it matches.

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "atlas/atlas_data.h"

namespace grahavani {

struct FoundPlace {
    const AtlasPlace* Place = nullptr;
    std::size_t OtherMatches = 0;  // places that matched beside it
};

// A message when nothing matches, or when the two most populous matches are equally populous
// and nothing tells them apart.
std::variant<FoundPlace, std::string> FindBirthPlace(std::string_view text);

// "Using Varanasi, Uttar Pradesh, India (3 other places match)": what the command tells the user.
std::string FoundPlaceText(const FoundPlace& found);

}  // namespace grahavani
