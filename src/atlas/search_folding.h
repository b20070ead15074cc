#pragma once
// Folds text for place search: ASCII letters to lower case, and the Latin letters with diacritics of
// Latin-1 Supplement and Latin Extended-A (U+00C0–U+017F) and Romanian's S and T with comma below
// (U+0218–U+021B) to their plain lower-case ASCII letters,
// so "São Paulo", "SAO PAULO" and "sao paulo" compare equal. The combining diacritical marks
// (U+0300–U+036F) are dropped, so a name typed decomposed ("Zu" U+0308 "rich") folds as the composed
// one does. Other characters pass through unchanged.

#include <string>
#include <string_view>

namespace grahavani {

std::string FoldForSearch(std::string_view text);

}  // namespace grahavani
