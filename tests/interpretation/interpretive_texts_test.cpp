#include "interpretation/interpretive_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/vedic_names.h"

namespace grahavani {
namespace {

struct LengthRange {
    std::size_t shortest;
    std::size_t longest;
};

void ExpectLengthIn(std::string_view text, LengthRange range, const std::string& where) {
    EXPECT_GE(text.size(), range.shortest) << where;
    EXPECT_LE(text.size(), range.longest) << where;
}

template <typename Row>
struct ProseColumn {
    std::string_view Row::*text;
    LengthRange range;
    std::string_view firstRowOpening;
};

// Every text of each column within its range, and the first row's text with its opening.
template <typename Row, std::size_t RowCount>
void ExpectProseColumns(const std::array<Row, RowCount>& table,
                        std::initializer_list<ProseColumn<Row>> columns) {
    for (const auto& column : columns) {
        EXPECT_TRUE((table[0].*column.text).starts_with(column.firstRowOpening)) << column.firstRowOpening;
        for (std::size_t row = 0; row < RowCount; ++row) {
            ExpectLengthIn(table[row].*column.text, column.range,
                           "row " + std::to_string(row) + ", " + std::string(column.firstRowOpening));
        }
    }
}

// Opening words of each planet's description; the readers recognise them.
TEST(PlanetDescriptions, OpeningsAndTheLengthsOfTheShortestAndLongest) {
    const char* openings[] = {
        "He can be good or evil depending upon the planets",
        "The moon is the planet most connected to our feelings",
        "Mercury governs the way that you communicate",
        "Venus is the planet that is about how people express",
        "This is where your assertiveness and power will lie.",
        "Where the house placement of Jupiter is where",
        "This is where people are likely to encounter heavy obstacles."};
    for (std::size_t planet = 0; planet < ReadingPlanetCount; ++planet) {
        EXPECT_TRUE(PlanetDescriptions[planet].starts_with(openings[planet])) << planet;
    }
    EXPECT_EQ(PlanetDescriptions[0].size(), 759u);
    EXPECT_EQ(PlanetDescriptions[2].size(), 67u);
}

TEST(PlanetSignTexts, EveryParagraphRunsTo297To465Characters) {
    for (std::size_t planet = 0; planet < ReadingPlanetCount; ++planet) {
        for (std::size_t sign = 0; sign < 12; ++sign) {
            ExpectLengthIn(PlanetSignTexts[planet][sign], {297, 465},
                           std::to_string(planet) + "/" + std::to_string(sign));
        }
    }
}

TEST(NakshatraProseTable, LengthsByColumnAndAshwinisOpenings) {
    ExpectProseColumns<NakshatraProse>(NakshatraProseTable, {
        {&NakshatraProse::generalAndPhysicalFeatures, {253, 753}, "Ashwini is the first nakshatra"},
        {&NakshatraProse::positiveHumanTraits, {254, 961}, "People influenced by this nakshatra"},
        {&NakshatraProse::negativeHumanTraits, {290, 862}, "Ruled by the horse"},
        {&NakshatraProse::bestCareerOptions, {83, 387}, "Careers that are best suited for Ashwinis"},
        {&NakshatraProse::domesticLife, {37, 343}, "You will have a blissful family life"},
        {&NakshatraProse::health, {44, 291}, "Moreover, since people ruled by this nakshatra"},
    });
}

TEST(NakshatraProseTable, OnlyVishakhasPositiveTraitsHaveAParagraphBreak) {
    for (std::size_t row = 0; row < NakshatraProseTable.size(); ++row) {
        const std::string_view traits = NakshatraProseTable[row].positiveHumanTraits;
        const auto first = traits.find("\r\n\r\n");
        if (NakshatraNames[row] == "Vishakha") {
            ASSERT_NE(first, std::string_view::npos);
            EXPECT_EQ(traits.find("\r\n", first + 4), std::string_view::npos);
        } else {
            EXPECT_EQ(traits.find('\r'), std::string_view::npos) << NakshatraNames[row];
        }
    }
}

TEST(SignProseTable, LengthsByColumnAndAriessOpenings) {
    ExpectProseColumns<SignProse>(SignProseTable, {
        {&SignProse::looks, {103, 221}, "You may be slim and of medium complexion."},
        {&SignProse::nature, {515, 883}, "You are very independent and dynamic."},
        {&SignProse::careerAndFinance, {126, 282}, "You are ambitious by nature."},
        {&SignProse::loveAndDomesticLife, {140, 324}, "You are a romantic to the core by nature."},
        {&SignProse::health, {81, 166}, "You may be prone to blood circulation problems"},
    });
}

// Every text of a table, in table order.
std::vector<std::string_view> AllTexts(const InterpretiveTexts& texts) {
    std::vector<std::string_view> all;
    for (const auto& planet : texts.planetSigns) all.insert(all.end(), planet.begin(), planet.end());
    all.insert(all.end(), texts.planetDescriptions.begin(), texts.planetDescriptions.end());
    for (const NakshatraProse& row : texts.nakshatraProse) {
        all.insert(all.end(), {row.generalAndPhysicalFeatures, row.positiveHumanTraits, row.negativeHumanTraits,
                               row.bestCareerOptions, row.domesticLife, row.health});
    }
    for (const SignProse& row : texts.signProse) {
        all.insert(all.end(), {row.looks, row.nature, row.careerAndFinance, row.loveAndDomesticLife, row.health});
    }
    return all;
}

// The translations are whole and in their own script: no text left in English, no Latin letter.
TEST(InterpretiveTextsIn, EveryTranslatedTextIsInItsScriptWithNoLatinLetter) {
    struct Case {
        Language language;
        std::string_view scriptLead;  // the first two bytes of the script's UTF-8 letters
    };
    const std::vector<std::string_view> english = AllTexts(InterpretiveTextsIn(Language::English));
    EXPECT_EQ(english.front(), PlanetSignTexts[0][0]);
    for (const Case& c : {Case{Language::Hindi, "\xE0\xA4"}, Case{Language::Tamil, "\xE0\xAE"}}) {
        const std::vector<std::string_view> translated = AllTexts(InterpretiveTextsIn(c.language));
        ASSERT_EQ(translated.size(), english.size());
        for (std::size_t i = 0; i < translated.size(); ++i) {
            const std::string_view text = translated[i];
            const std::string where = std::string(LanguageCode(c.language)) + " text " + std::to_string(i);
            EXPECT_NE(text.find(c.scriptLead), std::string_view::npos) << where;
            EXPECT_EQ(std::count_if(text.begin(), text.end(), [](char letter) {
                          return (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
                      }), 0) << where;
        }
    }
}

}  // namespace
}  // namespace grahavani
