#pragma once
// The core's short texts in a reader's language, from the embedded catalogue.

#include <array>
#include <cstddef>
#include <string_view>

#include "model/language.h"

namespace grahavani {

// The translation of `english` as the catalogue holds it under `context`. English, and a text
// the catalogue does not hold, come back as they are.
std::string_view Translated(Language language, std::string_view context, std::string_view english);

// Each entry of an English table, translated under the table's context.
template <std::size_t Count>
std::array<std::string_view, Count> TranslatedTable(Language language, std::string_view context,
                                                    const std::array<std::string_view, Count>& english) {
    std::array<std::string_view, Count> names;
    for (std::size_t i = 0; i < Count; ++i) names[i] = Translated(language, context, english[i]);
    return names;
}

}  // namespace grahavani
