#pragma once
// What each sign's box in the chart drawings lists: "Asc" for the lagna's sign, then
// the bodies standing in that sign, Surya to Ketu, a retrograde one as "Budha R"; for the
// birth chart or a varga. In Hindi and Tamil the lagna's mark, the names and the retrograde
// mark are the language's: "लग्न", "बुध (व)".

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/chart_result.h"
#include "model/language.h"

namespace grahavani {

using SignBoxLines = std::array<std::vector<std::string>, 12>;

// Indexed by sign, 0 = Aries. A body whose short position text names no known sign,
// and a lagna sign that is not one of the twelve, are placed nowhere.
SignBoxLines SignBoxTexts(const ChartResult& chart, Language language = Language::English);
// The sign whose box is marked as the lagna's in `language`; none when no box is.
std::optional<std::size_t> MarkedLagna(const SignBoxLines& boxes, Language language = Language::English);

}  // namespace grahavani
