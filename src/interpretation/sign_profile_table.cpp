#include "interpretation/sign_profile_table.h"

#include <algorithm>
#include <string>

#include "model/vedic_names.h"
#include "translation/translated.h"

namespace grahavani {

constinit const std::array<SignProfile, 12> SignProfileTable = {{
    {"Mesha", "Aries", "Mars", "The Ram", "Fire", "Red, Brown, Copper", "Movable", "Male", "Night", "Barren", "Kshatriya", "Dwara", "Mineral (Dhatu)", "Monday, Tuesday", "9, 1", "East", "Red, Brown, Copper", "Coral", "Head", "Short", SignProseTable[0], "Leo, Sagittarius, Gemini, Aquarius, Libra", "Scorpio, Pisces, Cancer"},
    {"Vrishabha", "Taurus", "Venus", "The Bull", "Earth", "White", "Fixed", "Female", "Night", "Semi-Fruitful", "Vaisya", "Bahya", "Vegetable (Moola)", "Thursday, Friday", "2, 8", "South", "Pink, Green", "Diamond", "Face", "Short", SignProseTable[1], "Cancer, Virgo, Scorpio, Capricorn, Pisces", "Gemini, Aquarius, Libra"},
    {"Mithuna", "Gemini", "Mercury", "The Twins", "Air", "Green", "Mixed", "Female", "Night", "Barren", "Sudra", "Garbha", "Animal (Jeeva)", "Monday, Wednesday", "3, 7", "West", "Yellow, Purple, Blue", "Emerald", "Shoulders", "Even", SignProseTable[2], "Aries, Leo, Libra, Sagittarius, Aquarius", "Taurus, Virgo, Capricorn"},
    {"Kataka", "Cancer", "Moon", "The Crab", "Water", "Pink", "Movable", "Female", "Night", "Fruitful", "Brahmana", "Dwara", "Mineral (Dhatu)", "Monday, Thursday", "2, 7, 9", "North", "White, Red, Yellow", "Pearl", "Chest", "Even", SignProseTable[3], "Virgo, Scorpio, Capricorn, Pisces, Taurus", "Aries, Leo, Sagittarius"},
    {"Simha", "Leo", "Sun", "The Lion", "Fire", "White", "Fixed", "Male", "Day", "Barren", "Kshatriya", "Bahya", "Vegetable (Moola)", "Sunday, Monday", "1, 4, 5, 9", "East", "Orange, Red, Green", "Ruby", "Heart & Stomach", "Tall", SignProseTable[4], "Libra, Sagittarius, Aquarius, Aries, Gemini", "Scorpio, Pisces, Cancer"},
    {"Kanya", "Virgo", "Mercury", "The Virgin", "Earth", "Multicolored", "Mixed", "Female", "Day", "Barren", "Vaisya", "Garbha", "Animal (Jeeva)", "Wednesday, Friday", "2, 3, 5, 6", "South", "Green", "Emerald", "Abdomen", "Tall", SignProseTable[5], "Scorpio, Capricorn, Pisces, Cancer", "Gemini, Aquarius, Libra"},
    {"Thula", "Libra", "Venus", "The Balance", "Air", "Black", "Movable", "Male", "Day", "Semi-Fruitful", "Sudra", "Dwara", "Mineral (Dhatu)", "Friday, Wednesday, Thursday", "1, 2, 4", "West", "White, Green, Yellow", "Diamond", "Lower Abdomen & Groin", "Tall", SignProseTable[6], "Sagittarius, Aquarius, Aries, Gemini, Leo", "Taurus, Virgo, Capricorn"},
    {"Vrischika", "Scorpio", "Mars", "The Scorpion", "Water", "Reddish Brown", "Fixed", "Female", "Day", "Fruitful", "Brahmana", "Bahya", "Vegetable (Moola)", "Monday, Tuesday, Thursday", "3, 7, 9", "North", "Brown, Red, Yellow, White", "Coral", "External Genitalia", "Tall", SignProseTable[7], "Capricorn, Pisces, Taurus, Cancer, Virgo", "Aries, Leo, Sagittarius"},
    {"Dhanus", "Sagittarius", "Jupiter", "The Archer", "Fire", "Yellowish brown", "Mixed", "Male", "Night", "Semi-Fruitful", "Kshatriya", "Garbha", "Animal (Jeeva)", "Sunday, Thursday", "3, 5, 6, 8", "East", "Yellow, Gray, Brown", "Yellow Sapphire", "Thighs", "Even", SignProseTable[8], "Aquarius, Aries, Gemini, Leo, Libra", "Scorpio, Pisces, Cancer"},
    {"Makara", "Capricorn", "Saturn", "The Crocodile", "Earth", "Multicolored", "Movable", "Female", "Night", "Barren", "Vaisya", "Dwara", "Mineral (Dhatu)", "Saturday, Wednesday", "6, 8, 9", "South", "Black, Blue", "Blue Sapphire", "Knees", "Even", SignProseTable[9], "Pisces, Taurus, Cancer, Virgo, Scorpio", "Gemini, Aquarius, Libra"},
    {"Kumbha", "Aquarius", "Saturn", "The Water Carrier", "Air", "Deep Brown", "Fixed", "Male", "Day", "Semi-Fruitful", "Sudra", "Bahya", "Vegetable (Moola)", "Thursday, Friday, Saturday", "2, 3, 7, 9", "West", "Blue, Black", "Blue Sapphire", "Calves", "Short", SignProseTable[10], "Aquarius, Libra, Gemini", "Taurus, Virgo, Capricorn"},
    {"Meena", "Pisces", "Jupiter", "The Double Fish", "Water", "Blue", "Mixed", "Female", "Day", "Fruitful", "Brahmana", "Garbha", "Animal (Jeeva)", "Thursday, Monday, Tuesday", "1, 3, 4", "North", "Pink, Cream", "Yellow Sapphire", "Feet", "Short", SignProseTable[11], "Taurus, Cancer, Virgo, Scorpio, Capricorn", "Aries, Leo, Sagittarius"},
}};

const SignProfile* LagnaProfileFor(std::string_view lagnaSign) {
    const auto row = std::ranges::find_if(SignProfileTable, [lagnaSign](const SignProfile& profile) {
        return profile.englishName.substr(0, 3) == lagnaSign;
    });
    return row == SignProfileTable.end() ? nullptr : &*row;
}

const SignProfile* RashiProfileFor(std::string_view moonRashi) {
    const auto rashi = std::ranges::find(RashiNames, moonRashi);
    if (rashi == RashiNames.end()) return nullptr;
    return &SignProfileTable[static_cast<std::size_t>(rashi - RashiNames.begin())];
}

std::string_view SignProfileColumn(const SignProfile& profile, int column) {
    switch (column) {
        case 0: return profile.sanskritName;
        case 1: return profile.englishName;
        case 2: return profile.rulingPlanet;
        case 3: return profile.symbol;
        case 4: return profile.element;
        case 5: return profile.signColor;
        case 6: return profile.typeOfSign;
        case 7: return profile.gender;
        case 8: return profile.bestPeriodOfActivity;
        case 9: return profile.barrenOrFruitful;
        case 10: return profile.signCaste;
        case 11: return profile.signPosition;
        case 12: return profile.constituentCharacter;
        case 13: return profile.luckyDays;
        case 14: return profile.luckyNumbers;
        case 15: return profile.bestDirection;
        case 16: return profile.luckyColors;
        case 17: return profile.luckyGemstone;
        case 18: return profile.partOfTheBody;
        case 19: return profile.physique;
        case 20: return profile.prose.looks;
        case 21: return profile.prose.nature;
        case 22: return profile.prose.careerAndFinance;
        case 23: return profile.prose.loveAndDomesticLife;
        case 24: return profile.prose.health;
        case 25: return profile.compatibleWith;
        case 26: return profile.notCompatibleWith;
        default: return {};
    }
}

std::string_view SignProfileColumn(const SignProfile& profile, int column, Language language) {
    // The catalogue's table of each column of words; the prose columns 20-24 and the lucky
    // numbers (14) have none.
    static constexpr std::array<std::string_view, 27> WordTables = {
        "SanskritName", "EnglishName", "RulingPlanet", "Symbol", "Element", "SignColor", "TypeOfSign", "Gender",
        "BestPeriodOfActivity", "BarrenOrFruitful", "SignCaste", "SignPosition", "ConstituentCharacter",
        "LuckyDays", "", "BestDirection", "LuckyColors", "LuckyGemstone", "PartOfTheBody", "Physique",
        "", "", "", "", "", "CompatibleWith", "NotCompatibleWith"};
    const std::string_view english = SignProfileColumn(profile, column);
    if (language == Language::English || column < 0 || column >= static_cast<int>(WordTables.size())) return english;
    if (const std::string_view table = WordTables[static_cast<std::size_t>(column)]; !table.empty()) {
        return Translated(language, "interpretation/sign_profile_table.cpp " + std::string(table), english);
    }
    const SignProse& prose =
        InterpretiveTextsIn(language).signProse[static_cast<std::size_t>(&profile - SignProfileTable.data())];
    switch (column) {
        case 20: return prose.looks;
        case 21: return prose.nature;
        case 22: return prose.careerAndFinance;
        case 23: return prose.loveAndDomesticLife;
        case 24: return prose.health;
        default: return english;
    }
}

}  // namespace grahavani
