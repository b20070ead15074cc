#pragma once
// A position text for a reader of another language: "07 Tau 45" becomes "07 वृषभ 45" in Hindi
// and "7° 45' 43\" Tau" becomes "7° 45' 43\" ரிஷபம்" in Tamil, the sign written out in full (the
// scripts have no agreed abbreviation). The chart keeps the English texts, whose codes are read.

#include <string>
#include <string_view>

#include "model/language.h"

namespace grahavani {

// Appends `text` to `out` with its sign abbreviation (a word of three letters that names a
// sign) written as the language names it; in English, and without such a word, as it is.
void AppendPositionTextIn(Language language, std::string_view text, std::string& out);
std::string PositionTextIn(Language language, std::string_view text);

}  // namespace grahavani
