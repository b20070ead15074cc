#pragma once
// Folds text for place search: ASCII letters to lower case, and the Latin letters with diacritics of
// Latin-1 Supplement and Latin Extended-A (U+00C0–U+017F) to their plain lower-case ASCII letters,
// so "São Paulo", "SAO PAULO" and "sao paulo" compare equal. Other characters pass through unchanged.

#include <string>
#include <string_view>

namespace grahavani {

std::string FoldForSearch(std::string_view text);

}  // namespace grahavani
