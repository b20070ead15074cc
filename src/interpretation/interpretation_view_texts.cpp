#include "interpretation/interpretation_view_texts.h"

#include "translation/translated.h"

namespace grahavani {

const std::array<NakshatraField, 21> NakshatraFields = {{
    {0, "Symbol", "txtSymbol", 5,
     "This defines the symbol of the nakshatra."},
    {0, "Animal Symbol", "txtAnimalSymbol", 4,
     "This signifies the animal that the nakshatra is associated with."},
    {0, "Astronomical Name", "txtAstronomicalName", 6,
     "This is the equivalent English constellation name."},
    {0, "Ruling Planet ", "txtRullingPlanet", 3,
     "This signifies the planet that has a powerful effect on this nakshatra."},
    {1, "Nature of Nakshatra", "txtNature", 9,
     "Each Nakshatra is also governed by a nature, which essentially describes temperament."},
    {1, "Name of Ruling Deva /Demi God", "txtRullingDeva", 1,
     "This signifies the demigods who bless or curse the native born under this nakshatra."},
    {1, "Purpose of the Deva", "txtPurposeOfTheDeva", 2,
     "This signifies the importance of the demigod ruling this nakshatra."},
    {1, "Element / Tatthwa", "txtElement", 7,
     "This means \"things\" and it describes the essential constitution of all things."},
    {1, "Part of Body", "txtPartOfBody", 8,
     "This shows the part of the body that a particular nakshatra governs."},
    {1, "Dosha", "txtDosha", 12,
     "This decribes the three doshas that explain our physical reality: Vata (Air and Space); Pita (Fire and Water); Kapha (Water and Earth)."},
    {1, "Lucky Gemstone", "txtLuckyGemstone", 15,
     "This signifies the lucky gemstones for people born under this nakshatra."},
    {1, "Gender", "txtGender", 10,
     "The male nakshatra is more dynamic while the female nakshatra is a passive one."},
    {1, "Purpose in Life", "txtPurposeInLife", 11,
     "The nakshatras are classified on basis of primary motivation into Kama (sensual desires), Artha (material desires), Dharma (spiritual principles), Moksha (liberation from birth and death)."},
    {1, "Temperaments", "txtTemperaments", 13,
     "The Gana - The species that determines that Nakshatra's nature: Deva (Godly); Manushya (Manlike) and Rakshasa (Demonlike)."},
    {1, "Best Direction", "txtBestDirection", 14,
     "This signifies the lucky directions for people born under this nakshatra."},
    {2, "General And Physical Features", "txtGeneralAndPhysicalFeatures", 16,
     "This describes the physical stature of a person born under this nakshatra."},
    {3, "Positive Human Traits", "txtPositiveHumanTraits", 17,
     "This signifies the good qualities of human nature."},
    {4, "Negative Human Traits", "txtNegativeHumanTraits", 18,
     "This signifies the bad qualities of human nature."},
    {5, "Best Career Options", "txtBestCareerOptions", 19,
     "This shows the best-suited careers."},
    {5, "Domestic Life", "txtDomesticLife", 20,
     "This signifies the kind of domestic life a person will lead. "},
    {5, "Health", "txtHealth", 21,
     "This includes all health concerns for a born under this Nakshatra."},
}};

const std::array<SignField, 26> SignFields = {{
    {0, "English Name", 1,
     "This signifies the English name for the Vedic moon sign."},
    {0, "Sign Color", 5,
     "This signifies the color associated with the sign."},
    {0, "Symbol", 3,
     "This signifies the picture associated with the moon sign."},
    {0, "Inborn Nature", 4,
     "This describes the human characteristics of this sign."},
    {0, "Rulling Planet", 2,
     "This signifies the planet that exercises a powerful energy on the sign."},
    {1, "Type Of Sign", 6,
     "This signifies the attitude of the people under this sign."},
    {1, "Gender", 7,
     "The male rashis are more dynamic in nature while the female rashis are passive by nature."},
    {1, "Barren / Fruitful", 9,
     "This classifies the signs on basis of fertility."},
    {1, "Sign Caste", 10,
     "This classifies the sign based on caste into Brahmana (the seeker and teacher of knowledge), Kshatriya (warriors, rulers), Vaisya (the industrialists, wealth creators) and the Sudras (the workers)."},
    {1, "Sign Position", 11,
     "This classifies the sign based on position into Dwara (Entrance), Bahya (Outside), Garbha (Inside)."},
    {1, "Constituent Character", 12,
     "This classifies the sign based on constituent making into Dhatu (Mineral), Moola (Vegetable) and Jeeva (Animal). "},
    {1, "Part Of The Body", 18,
     "This shows the parts of the bodies that the different signs represent."},
    {2, "Looks", 20,
     "This signifies the physical appearance of people born under this sign."},
    {2, "Physique", 19,
     "This signifies the general stature of people born under this sign. "},
    {3, "Nature", 21,
     "This signifies the human nature of people born under this sign. "},
    {4, "Career And Finance", 22,
     "This shows their career interests and financial habits."},
    {5, "Love And Domestic Life", 23,
     "This signifies born under this sign."},
    {5, "Compatible With", 25,
     "This signifies the other rashis/ moon signs that are compatible with this sign."},
    {5, "Not Compatible With", 26,
     "This signifies the other rashis/ moon signs that are not compatible with this sign."},
    {6, "Health", 24,
     "This signifies the health issues of people born under this rashi."},
    {7, "Lucky Days", 13,
     "This signifies the lucky days for people born under this sign."},
    {7, "Lucky Numbers", 14,
     "This signifies the lucky numbers for people born under this sign."},
    {7, "Best Direction", 15,
     "This signifies the lucky directions for people born under this sign."},
    {7, "Lucky Colors", 16,
     "This signifies the lucky colors for people born under this sign."},
    {7, "Lucky Gemstone", 17,
     "This signifies the lucky gemstones for people born under this sign."},
    {7, "Best Period Of Activity", 8,
     "This shows the best period of the day when people of this sign are more active."},
}};

const std::array<SignColumnControls, 27> SignProfileControls = {{
    {"lblVedicName", "lblRashiVedicName"},  // 0
    {"txtEnglishName", "txtRashiEnglishName"},  // 1
    {"txtLagnaRullingPlanet", "txtRashiRullingPlanet"},  // 2
    {"txtLagnaSymbol", "txtRashiSymbol"},  // 3
    {"txtInbornNature", "txtRashiInbornNature"},  // 4
    {"txtSignColor", "txtRashiSignColor"},  // 5
    {"txtTypeOfSign", "txtRashiTypeOfSign"},  // 6
    {"txtLagnaGender", "txtRashiGender"},  // 7
    {"txtBestPeriodOfActivity", "txtRashiBestPeriodOfActivity"},  // 8
    {"txtBarren", "txtRashiBarren"},  // 9
    {"txtSignCaste", "txtRashiSignCaste"},  // 10
    {"txtSignPosition", "txtRashiSignPosition"},  // 11
    {"txtConstituentCharacter", "txtRashiConstituentCharacter"},  // 12
    {"txtLuckyDays", "txtRashiLuckyDays"},  // 13
    {"txtLuckyNumbers", "txtRashiLuckyNumbers"},  // 14
    {"txtLagnaBestDirection", "txtRashiBestDirection"},  // 15
    {"txtLuckyColors", "txtRashiLuckyColors"},  // 16
    {"txtLagnaGemStone", "txtRashiLuckyGemstone"},  // 17
    {"txtPartOfTheBody", "txtRashiPartOfTheBody"},  // 18
    {"txtPhysique", "txtRashiPhysique"},  // 19
    {"txtLooks", "txtRashiLooks"},  // 20
    {"txtLagnaNature", "txtRashiNature"},  // 21
    {"txtCareerAndFinance", "txtRashiCareerAndFinance"},  // 22
    {"txtLoveAndDomesticLife", "txtRashiLoveAndDomesticLife"},  // 23
    {"txtLagnaHealth", "txtRashiHealth"},  // 24
    {"txtCompatibleWith", "txtRashiCompatibleWith"},  // 25
    {"txtNotCompatibleWith", "txtRashiNotCompatibleWith"},  // 26
}};

const std::array<LagnaLuckyLabel, 6> LagnaLuckyLabels = {{
    {"lblLuckyDays", "Lucky Days for "},
    {"lblLuckyNumbers", "Lucky Numbers for "},
    {"lblBestDirection", "Best Direction for "},
    {"lblLuckyColors", "Lucky Colors for "},
    {"lblLuckyGemstone", "Lucky Gemstone for "},
    {"lblBestPeriodOfActivity", "Best Period Of Activity for "},
}};

namespace {

// `pattern` with its "%1" replaced by `name`.
std::string Filled(std::string_view pattern, std::string_view name) {
    std::string text(pattern);
    if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, name);
    return text;
}

}  // namespace

std::string_view ViewTextIn(ViewTexts table, std::string_view english, Language language) {
    // The catalogue's context of each table, in ViewTexts' order.
    static constexpr std::array<std::string_view, 10> Contexts = {
        "interpretation/interpretation_view_texts.h InterpretationTabCaptions",
        "interpretation/interpretation_view_texts.h PlanetsInSignsHeading",
        "interpretation/interpretation_view_texts.h design captions",
        "interpretation/interpretation_view_texts.h NakshatraPageCaptions",
        "interpretation/interpretation_view_texts.h SignPageCaptions",
        "interpretation/interpretation_view_texts.cpp NakshatraFields captions",
        "interpretation/interpretation_view_texts.cpp NakshatraFields help texts",
        "interpretation/interpretation_view_texts.cpp SignFields captions",
        "interpretation/interpretation_view_texts.cpp SignFields help texts",
        "interpretation/interpretation_view_texts.cpp LagnaLuckyLabels",
    };
    return Translated(language, Contexts[static_cast<std::size_t>(table)], english);
}

std::string NakshatraFirstPageCaption(std::string_view nakshatra, Language language) {
    return Filled(Translated(language, "interpretation/interpretation_view_texts.cpp NakshatraFirstPageCaption",
                             "More About %1 Nakshatra"),
                  Translated(language, "model/vedic_names.h NakshatraNames", nakshatra));
}

std::string LuckyPageCaption(std::string_view sanskritName, Language language) {
    return Filled(Translated(language, "interpretation/interpretation_view_texts.cpp LuckyPageCaption", "Lucky for %1"),
                  Translated(language, "interpretation/sign_profile_table.cpp SanskritName", sanskritName));
}

}  // namespace grahavani
