#pragma once
// The names every chart line writes, in each language, looked up once: a batch writes them
// dozens of times a line.

#include <array>
#include <string_view>

#include "model/language.h"

namespace grahavani {

struct NamesInLanguage {
    // How a position text names its sign: the abbreviation in English ("Tau"), which the
    // scripts lack, the full name in Hindi and Tamil ("वृषभ").
    std::array<std::string_view, 12> PositionSigns;
    std::array<std::string_view, 11> Bodies;  // in BodyNames' order
    std::array<std::string_view, 12> Months;
    std::array<std::string_view, 12> Lagnas;  // in LagnaNames' order
};

const NamesInLanguage& NamesIn(Language language);

// `value` as `names` writes the entry of `english` it equals; a value no entry holds, as it is.
template <std::size_t Count>
std::string_view NameIn(const std::array<std::string_view, Count>& names,
                        const std::array<std::string_view, Count>& english, std::string_view value) {
    for (std::size_t i = 0; i < Count; ++i) {
        if (english[i] == value) return names[i];
    }
    return value;
}

}  // namespace grahavani
