#include "interpretation/nakshatra_profile_table.h"

#include <algorithm>
#include <string>

#include "translation/translated.h"

namespace grahavani {

constinit const std::array<NakshatraProfile, 27> NakshatraProfileTable = {{
    {"Ashwini", "Ashwina Kumara", "Physician of the Demi Gods", "Ketu", "Horse", "Head of a Horse", "Beta Arietis", "Prithvi (Earth)", "Upper Part of Feet", "Light / Swift", "Male", "Dharma", "Vata", "Deva (Godly)", "North-East", "Cat's Eye", NakshatraProseTable[0]},
    {"Bharani", "Yamaraja", "Punisher of Death", "Venus", "Elephant", "Yoni ( Female Sexual Organ)", "35 Arietis", "Prithvi (Earth)", "Soles", "Ferocious", "Male", "Artha", "Pitta", "Manushya (Human)", "North-East", "Diamond", NakshatraProseTable[1]},
    {"Krittika", "Agni", "The Demi God of Fire", "Sun", "Sheep", "A Razor", "Eta Tauri", "Prithvi (Earth)", "Head", "Sharp & Soft", "Female", "Kama", "Kapha", "Rakshasa (Demon)", "Central", "Ruby", NakshatraProseTable[2]},
    {"Rohini", "Brahma", "Creator of the Universe", "Moon", "Serpent", "A Chariot", "Aldebaran", "Prithvi (Earth)", "Forehead", "Fixed", "Male", "Moksha", "Kapha", "Manushya (Human)", "Central", "White Pearl", NakshatraProseTable[3]},
    {"Mrigasira", "Chandra", "Moon, Deity of the Mind", "Mars", "Serpent", "Head of a Deer", "Lambda Orionis", "Prithvi (Earth)", "Eye Brows", "Soft", "Female", "Moksha", "Pitta", "Deva (Godly)", "Central", "Red Coral", NakshatraProseTable[4]},
    {"Ardra", "Rudra", "Shiva, Lord of Destruction & Anger", "Rahu", "Dog", "Precious Stone", "Alpha Orionis", "Jala (Water)", "Eyes", "Sharp & Dreadful", "Female", "Kama", "Vata", "Manushya (Human)", "East", "Gomeda", NakshatraProseTable[5]},
    {"Punarvasu", "Aditi", "Mother of the Demigods", "Jupiter", "Cat", "A Bow / A House", "Beta Geminorium", "Jala (Water)", "Nose", "Mutable", "Female", "Artha", "Vata", "Deva (Godly)", "East", "Yellow Sapphire", NakshatraProseTable[6]},
    {"Pushya", "Brihaspati", "Jupiter, Teacher of the Demigods", "Saturn", "Sheep", "A Circle / A Flower/ An Arrow", "Delta Cancri", "Jala (Water)", "Face", "Light / Swift", "Male", "Dharma", "Pitta", "Deva (Godly)", "East", "Blue Sapphire", NakshatraProseTable[7]},
    {"Ashlesha", "Naga", "The Serpent Demigod", "Mercury", "Cat", "A Serpent", "Alpha Hydroe", "Jala (Water)", "Ears", "Sharp & Dreadful", "Male", "Dharma", "Kapha", "Rakshasa (Demon)", "South-East", "Emerald", NakshatraProseTable[8]},
    {"Magha", "Pitara", "The Forefathers", "Ketu", "Rat", "A House or a Palaquin", "Regulus", "Jala (Water)", "Lips & Chin", "Ferocious", "Male", "Artha", "Kapha", "Rakshasa (Demon)", "South-East", "Cat's Eye", NakshatraProseTable[9]},
    {"Poorva Phalguni", "Bhaga", "The Demi God of Lavishness", "Venus", "Rat", "A Fire Place", "Delta Leonis", "Jala (Water)", "Right Hand", "Ferocious", "Female", "Kama", "Pitta", "Manushya (Human)", "South-East", "Diamond", NakshatraProseTable[10]},
    {"Uttara Phalguni", "Aryama", "Lord of the Manes", "Sun", "Cow", "A Small Bed", "Beta Leonis", "Tejo (Fire)", "Left Hand", "Fixed", "Male", "Moksha", "Vata", "Manushya (Human)", "South", "Ruby", NakshatraProseTable[11]},
    {"Hasta", "Aditya", "The Sun, Demi God of Light", "Moon", "Buffalo", "The Fist", "Delta Corvi", "Tejo (Fire)", "Fingers", "Light / Swift", "Female", "Moksha", "Vata", "Deva (Godly)", "South", "White Pearl", NakshatraProseTable[12]},
    {"Chitra", "Thvasta", "Vishwakarma, Architect of the Demigods", "Mars", "Tiger", "A Pearl", "Spica Virginis -Vegus", "Tejo (Fire)", "Neck", "Soft", "Female", "Kama", "Pitta", "Rakshasa (Demon)", "South", "Coral", NakshatraProseTable[13]},
    {"Swati", "Vayu", "Demi God of Wind", "Rahu", "Buffalo", "A Coral", "Arcturus", "Tejo (Fire)", "Chest", "Mutable", "Male", "Artha", "Kapha", "Deva (Godly)", "South-West", "Gomeda", NakshatraProseTable[14]},
    {"Vishakha", "Shakragni", "Combination of Indra & Agni", "Jupiter", "Tiger", "A Potter's Wheel", "Alpha Libroe", "Tejo (Fire)", "Breasts", "Sharp & Soft", "Male", "Dharma", "Kapha", "Rakshasa (Demon)", "South-West", "Yellow Sapphire", NakshatraProseTable[15]},
    {"Anuradha", "Mitra", "Demi God of Brain", "Saturn", "Hare", "A Lotus Flower", "Delta Scorpio", "Tejo (Fire)", "Stomach", "Soft", "Female", "Dharma", "Pitta", "Deva (Godly)", "South-West", "Blue Sapphire", NakshatraProseTable[16]},
    {"Jyeshtha", "Indra", "Vasava, King of the Demigods", "Mercury", "Hare", "An Umbrella", "Antares", "Vayu (Air)", "Right Side of Trunk", "Sharp & Dreadful", "Male", "Artha", "Vata", "Rakshasa (Demon)", "West", "Emerald", NakshatraProseTable[17]},
    {"Moola", "Nirriti", "Rakshasa, King of Demons", "Ketu", "Dog", "Tail of a Lion", "Lambda Scorpio", "Vayu (Air)", "Left Side of Trunk", "Sharp & Dreadful", "Male", "Kama", "Vata", "Rakshasa (Demon)", "West", "Cat's Eye", NakshatraProseTable[18]},
    {"Purva Ashadha", "Varuna", "Demi God of Water", "Venus", "Monkey", "Tusk of an Elephant / A Handfan", "Delta Sagittari", "Vayu (Air)", "Back", "Ferocious", "Male", "Moksha", "Pitta", "Manushya (Human)", "West", "Diamond", NakshatraProseTable[19]},
    {"Uttara Ashadha", "Vishwadeva", "Demi God of the Stars", "Sun", "Mongoose", "A Small Cot", "Sigma Sagittari", "Vayu (Air)", "Waist", "Fixed", "Male", "Moksha", "Kapha", "Manushya (Human)", "North-West", "Ruby", NakshatraProseTable[20]},
    {"Shravana", "Govinda", "Lord Vishnu", "Moon", "Monkey", "An Ear /An Arrow / Three Footprints", "Alpha Aquiloe", "Vayu (Air)", "Sex Organs", "Mutable", "Female", "Artha", "Kapha", "Manushya (Human)", "North-West", "White Pearl", NakshatraProseTable[21]},
    {"Dhanistha", "Vasu", "Deity of the Sun", "Mars", "Lion", "A Musical Drum / A Flute", "Beta Delphinum", "Akasha (Space)", "Anus", "Mutable", "Female", "Dharma", "Pitta", "Rakshasa (Demon)", "North-West", "Red Coral", NakshatraProseTable[22]},
    {"Shatabhisha", "Varuna", "God of the Rains", "Rahu", "Horse", "Hundred Flowers / A Circle", "Lambda Aquarius", "Akasha (Space)", "Right Thigh", "Mutable", "Female", "Dharma", "Vata", "Rakshasa (Demon)", "North", "Gomeda", NakshatraProseTable[23]},
    {"Poorva Bhadrapada", "Ajaekapat", "A form of Shiva", "Jupiter", "Lion", "A Sword", "Alpha Pegasi", "Akasha (Space)", "Left Thigh", "Ferocious", "Male", "Artha", "Vata", "Manushya (Human)", "North", "Yellow Sapphire", NakshatraProseTable[24]},
    {"Uttara Bhadrapada", "Ahirbudhanya", "The Snake that holds the Universe", "Saturn", "Cow", "Twins or the Number Two", "Gama Pegasi", "Akasha (Space)", "Shins", "Fixed", "Female", "Kama", "Pitta", "Manushya (Human)", "North", "Blue Sapphire", NakshatraProseTable[25]},
    {"Revati", "Pushan", "Demi God for Agriculture", "Mercury", "Elephant", "A Fish", "Zeta Piscum", "Akasha (Space)", "Ankles", "Soft", "Female", "Moksha", "Kapha", "Deva (Godly)", "North-East", "Emerald", NakshatraProseTable[26]},
}};

const NakshatraProfile* NakshatraProfileFor(std::string_view name) {
    const auto row = std::ranges::find(NakshatraProfileTable, name, &NakshatraProfile::name);
    return row == NakshatraProfileTable.end() ? nullptr : &*row;
}

std::string_view NakshatraProfileColumn(const NakshatraProfile& profile, int column) {
    switch (column) {
        case 1: return profile.rulingDeva;
        case 2: return profile.purposeOfTheDeva;
        case 3: return profile.rulingPlanet;
        case 4: return profile.animalSymbol;
        case 5: return profile.symbol;
        case 6: return profile.astronomicalName;
        case 7: return profile.element;
        case 8: return profile.partOfBody;
        case 9: return profile.nature;
        case 10: return profile.gender;
        case 11: return profile.purposeInLife;
        case 12: return profile.dosha;
        case 13: return profile.temperaments;
        case 14: return profile.bestDirection;
        case 15: return profile.luckyGemstone;
        case 16: return profile.prose.generalAndPhysicalFeatures;
        case 17: return profile.prose.positiveHumanTraits;
        case 18: return profile.prose.negativeHumanTraits;
        case 19: return profile.prose.bestCareerOptions;
        case 20: return profile.prose.domesticLife;
        case 21: return profile.prose.health;
        default: return {};
    }
}

std::string_view NakshatraProfileColumn(const NakshatraProfile& profile, int column, Language language) {
    // The catalogue's table of each attribute column, 1 to 15.
    static constexpr std::array<std::string_view, 15> AttributeTables = {
        "Deity", "PurposeOfTheDeva", "RulingPlanet", "AnimalSymbol", "Symbol", "AstronomicalName", "Element",
        "PartOfBody", "Nature", "Gender", "PurposeInLife", "Dosha", "Temperaments", "BestDirection",
        "LuckyGemstone"};
    if (language == Language::English) return NakshatraProfileColumn(profile, column);
    if (column >= 1 && column <= 15) {
        return Translated(language,
                          "interpretation/nakshatra_profile_table.cpp " +
                              std::string(AttributeTables[static_cast<std::size_t>(column - 1)]),
                          NakshatraProfileColumn(profile, column));
    }
    const NakshatraProse& prose =
        InterpretiveTextsIn(language).nakshatraProse[static_cast<std::size_t>(&profile - NakshatraProfileTable.data())];
    switch (column) {
        case 16: return prose.generalAndPhysicalFeatures;
        case 17: return prose.positiveHumanTraits;
        case 18: return prose.negativeHumanTraits;
        case 19: return prose.bestCareerOptions;
        case 20: return prose.domesticLife;
        case 21: return prose.health;
        default: return {};
    }
}

}  // namespace grahavani
