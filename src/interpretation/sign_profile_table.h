#pragma once
// The profile of each sign, shown by the lagna tab for the ascendant's sign and by the
// rashi tab for the Moon's sign.

#include <array>
#include <string_view>

#include "interpretation/interpretive_texts.h"
#include "model/language.h"

namespace grahavani {

struct SignProfile {
    std::string_view sanskritName;          // 0
    std::string_view englishName;           // 1
    std::string_view rulingPlanet;          // 2
    std::string_view symbol;                // 3
    std::string_view element;               // 4, shown as "Inborn Nature"
    std::string_view signColor;             // 5
    std::string_view typeOfSign;            // 6
    std::string_view gender;                // 7
    std::string_view bestPeriodOfActivity;  // 8
    std::string_view barrenOrFruitful;      // 9
    std::string_view signCaste;             // 10
    std::string_view signPosition;          // 11
    std::string_view constituentCharacter;  // 12
    std::string_view luckyDays;             // 13
    std::string_view luckyNumbers;          // 14
    std::string_view bestDirection;         // 15
    std::string_view luckyColors;           // 16
    std::string_view luckyGemstone;         // 17
    std::string_view partOfTheBody;         // 18
    std::string_view physique;              // 19
    const SignProse& prose;                 // 20-24
    std::string_view compatibleWith;        // 25
    std::string_view notCompatibleWith;     // 26
};

// Aries to Pisces. Column 0 spells Scorpio "Vrischika", unlike RashiNames.
extern const std::array<SignProfile, 12> SignProfileTable;

// The first row whose English name begins with the three letters of a LagnaSign, or null.
const SignProfile* LagnaProfileFor(std::string_view lagnaSign);

// The row at the position of `moonRashi` in RashiNames, or null. Found by position rather
// than by name because the two tables spell Scorpio differently.
const SignProfile* RashiProfileFor(std::string_view moonRashi);

// Column 0-26 of a row, so that the view can fill its text boxes from its field table;
// empty for any other number.
std::string_view SignProfileColumn(const SignProfile& profile, int column);
// The same column in `language`: its words as the catalogue translates them (the lucky
// numbers stay digits), its prose from the translated readings. The row must be one of
// SignProfileTable's.
std::string_view SignProfileColumn(const SignProfile& profile, int column, Language language);

}  // namespace grahavani
