#pragma once
// The sentences that go with a match: the doshas that are cancelled or eased, the one at its
// strongest, and which charts are Manglik. They never change a score.

#include <string>
#include <vector>

#include "matching/ashtakoota.h"
#include "matching/manglik.h"
#include "matching/moon_placement.h"
#include "model/language.h"

namespace grahavani {

// In `language`, the names in it too.
std::vector<std::string> MatchNotes(const MoonPlacement& boy, const MoonPlacement& girl, const Ashtakoota& kootas,
                                    const Manglik& boyManglik, const Manglik& girlManglik,
                                    Language language = Language::English);

}  // namespace grahavani
