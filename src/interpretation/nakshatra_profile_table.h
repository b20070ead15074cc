#pragma once
// The profile of each nakshatra that the nakshatra tab shows for the Moon's nakshatra.

#include <array>
#include <string_view>

#include "interpretation/interpretive_texts.h"
#include "model/language.h"

namespace grahavani {

// Columns 1-15 are short attributes; columns 16-21 are the prose of the row's nakshatra.
struct NakshatraProfile {
    std::string_view name;
    std::string_view rulingDeva;        // 1
    std::string_view purposeOfTheDeva;  // 2
    std::string_view rulingPlanet;      // 3
    std::string_view animalSymbol;      // 4
    std::string_view symbol;            // 5
    std::string_view astronomicalName;  // 6
    std::string_view element;           // 7
    std::string_view partOfBody;        // 8
    std::string_view nature;            // 9
    std::string_view gender;            // 10
    std::string_view purposeInLife;     // 11
    std::string_view dosha;             // 12
    std::string_view temperaments;      // 13
    std::string_view bestDirection;     // 14
    std::string_view luckyGemstone;     // 15
    const NakshatraProse& prose;        // 16-21
};

// In the order and with the spellings of NakshatraNames.
extern const std::array<NakshatraProfile, 27> NakshatraProfileTable;

// The first row whose name equals `name` exactly (case counts), or null.
const NakshatraProfile* NakshatraProfileFor(std::string_view name);

// Column 1-21 of a row, so that the view can fill its text boxes from its field table;
// empty for any other number.
std::string_view NakshatraProfileColumn(const NakshatraProfile& profile, int column);
// The same column in `language`: its attribute as the catalogue translates it, its prose
// from the translated readings. The row must be one of NakshatraProfileTable's.
std::string_view NakshatraProfileColumn(const NakshatraProfile& profile, int column, Language language);

}  // namespace grahavani
