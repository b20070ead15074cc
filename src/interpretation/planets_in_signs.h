#pragma once
// The "Planets in Signs" reading: the runs of bold or plain text that FillPlanetsInSigns
// inserts, one after another, into the reading's rich-text box.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interpretation/interpretive_texts.h"
#include "model/language.h"

namespace grahavani {

struct TextRun {
    bool bold = false;
    std::string text;

    bool operator==(const TextRun&) const = default;
};

struct ReadingPlanet {
    std::string_view headingWord;
    std::string_view characteristicsHeading;
    std::size_t positionSlot;  // of ChartResult::PositionTexts
};

// In reading order, which is also the order of PlanetSignTexts and PlanetDescriptions.
inline constexpr std::array<ReadingPlanet, ReadingPlanetCount> ReadingPlanets = {{
    {"Sun In", "Characteristics Of Planet Sun :-", 0},
    {"Moon In", "Characteristics Of Planet Moon :-", 1},
    {"Mercury In", "Characteristics Of Planet Mercury :-", 2},
    {"Venus In", "Characteristics Of Planet Venus :-", 3},
    {"Mars In", "Characteristics Of Planet Mars :-", 4},
    {"Jupiter In", "Characteristics Of Planet Jupiter :-", 5},
    {"Saturn In", "Characteristics Of Planet Saturn :-", 6},
}};

inline constexpr std::string_view MoreAboutSignHeading = "More About Sign";
inline constexpr std::string_view KeywordsHeading = "Keywords :-";
inline constexpr std::string_view ElementHeading = "Element :-";
inline constexpr std::string_view RulingPlanetHeading = "Ruling Planet :-";

// The sign (0 = Aries) whose abbreviation stands at characters 4 to 6 of a short
// position text, or none.
std::optional<std::size_t> SignOfShortPosition(std::string_view shortPosition);

// Eleven runs per planet, Sun to Saturn, with CR LF line breaks. A slot whose text names
// no sign leaves out the five runs that need the sign, and the rest of its block stands.
// The position texts are the chart's own, in English; the runs are in `language`.
std::vector<TextRun> PlanetsInSignsReading(const std::array<std::string, 12>& positionTexts,
                                           Language language = Language::English);

}  // namespace grahavani
