#include "chart/sign_box_texts.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "model/name_tables.h"
#include "translation/translated.h"

namespace grahavani {

namespace {

std::optional<std::size_t> SignOf(std::string_view abbreviation) {
    const auto found =
        std::find(SignAbbreviationList.begin(), SignAbbreviationList.end(), abbreviation);
    if (found == SignAbbreviationList.end()) return std::nullopt;
    return static_cast<std::size_t>(found - SignAbbreviationList.begin());
}

// Characters 4 to 6 of a short position text ("07 Tau 45") hold the sign.
std::string_view SignAbbreviationOf(std::string_view shortPosition) {
    return shortPosition.substr(std::min<std::size_t>(3, shortPosition.size()), 3);
}

constexpr std::size_t PlacedBodies = 9;  // Sun to Ketu; never the ascendant or midheaven
using BodySigns = std::array<std::optional<std::size_t>, PlacedBodies>;

constexpr std::string_view BoxContext = "chart/sign_box_texts.cpp FillBoxes";

std::string_view LagnaMark(Language language) { return Translated(language, BoxContext, "Asc"); }

SignBoxLines FillBoxes(const ChartResult& chart, std::optional<std::size_t> lagna,
                       const BodySigns& bodySigns, Language language) {
    SignBoxLines boxes;
    if (lagna) boxes[*lagna].emplace_back(LagnaMark(language));
    for (std::size_t body = 0; body < PlacedBodies; ++body) {
        if (const auto sign = bodySigns[body]) {
            // A retrograde body is marked "R" after its name.
            std::string name(Translated(language, "model/name_tables.h BodyVedicNames", BodyVedicNames[body]));
            if (chart.Retrograde[body]) name += Translated(language, BoxContext, " R");
            boxes[*sign].push_back(std::move(name));
        }
    }
    return boxes;
}

}  // namespace

SignBoxLines SignBoxTexts(const ChartResult& chart, Language language) {
    BodySigns signs;
    for (std::size_t body = 0; body < PlacedBodies; ++body) {
        signs[body] = SignOf(SignAbbreviationOf(chart.PositionTexts[body]));
    }
    return FillBoxes(chart, SignOf(chart.LagnaSign), signs, language);
}

std::optional<std::size_t> MarkedLagna(const SignBoxLines& boxes, Language language) {
    for (std::size_t sign = 0; sign < boxes.size(); ++sign) {
        if (!boxes[sign].empty() && boxes[sign].front() == LagnaMark(language)) return sign;
    }
    return std::nullopt;
}

}  // namespace grahavani
