#include "interpretation/nakshatra_profile_table.h"

#include <gtest/gtest.h>

#include "model/vedic_names.h"

namespace grahavani {
namespace {

TEST(NakshatraProfileTable, RowsFollowNakshatraNamesWithTheirOwnProse) {
    for (std::size_t row = 0; row < NakshatraProfileTable.size(); ++row) {
        EXPECT_EQ(NakshatraProfileTable[row].name, NakshatraNames[row]);
        EXPECT_EQ(&NakshatraProfileTable[row].prose, &NakshatraProseTable[row]) << row;
        for (int column = 1; column <= 21; ++column) {
            EXPECT_FALSE(NakshatraProfileColumn(NakshatraProfileTable[row], column).empty())
                << NakshatraNames[row] << " column " << column;
        }
    }
}

TEST(NakshatraProfileColumn, AshwinisColumnsInOrder) {
    const NakshatraProfile& ashwini = NakshatraProfileTable[0];
    const char* attributes[] = {
        "Ashwina Kumara", "Physician of the Demi Gods", "Ketu", "Horse", "Head of a Horse",
        "Beta Arietis", "Prithvi (Earth)", "Upper Part of Feet", "Light / Swift", "Male",
        "Dharma", "Vata", "Deva (Godly)", "North-East", "Cat's Eye"};
    for (int column = 1; column <= 15; ++column) {
        EXPECT_EQ(NakshatraProfileColumn(ashwini, column), attributes[column - 1]) << column;
    }
    const std::string_view prose[] = {
        ashwini.prose.generalAndPhysicalFeatures, ashwini.prose.positiveHumanTraits,
        ashwini.prose.negativeHumanTraits, ashwini.prose.bestCareerOptions,
        ashwini.prose.domesticLife, ashwini.prose.health};
    for (int column = 16; column <= 21; ++column) {
        EXPECT_EQ(NakshatraProfileColumn(ashwini, column), prose[column - 16]) << column;
    }
    EXPECT_EQ(NakshatraProfileColumn(ashwini, 0), "");
    EXPECT_EQ(NakshatraProfileColumn(ashwini, 22), "");
}

TEST(NakshatraProfileFor, FindsTheRowByItsExactName) {
    const struct {
        const char* name;
        const char* deva;
        const char* purposeOfTheDeva;
    } cases[] = {
        {"Ashwini", "Ashwina Kumara", "Physician of the Demi Gods"},
        {"Purva Ashadha", "Varuna", "Demi God of Water"},
        {"Shatabhisha", "Varuna", "God of the Rains"},
        {"Revati", "Pushan", "Demi God for Agriculture"},
    };
    for (const auto& c : cases) {
        const NakshatraProfile* profile = NakshatraProfileFor(c.name);
        ASSERT_NE(profile, nullptr) << c.name;
        EXPECT_EQ(profile->name, c.name);
        EXPECT_EQ(profile->rulingDeva, c.deva);
        EXPECT_EQ(profile->purposeOfTheDeva, c.purposeOfTheDeva);
    }
    for (const char* unknown : {"ashwini", "Ashwini ", "Purvaashadha", ""}) {
        EXPECT_EQ(NakshatraProfileFor(unknown), nullptr) << unknown;
    }
}

TEST(NakshatraProfileTable, KeepsItsOddSpellings) {
    EXPECT_EQ(NakshatraProfileFor("Bharani")->symbol, "Yoni ( Female Sexual Organ)");
    EXPECT_EQ(NakshatraProfileFor("Chitra")->astronomicalName, "Spica Virginis -Vegus");
    EXPECT_EQ(NakshatraProfileFor("Uttara Bhadrapada")->astronomicalName, "Gama Pegasi");
    EXPECT_EQ(NakshatraProfileFor("Pushya")->symbol, "A Circle / A Flower/ An Arrow");
    EXPECT_EQ(NakshatraProfileFor("Revati")->luckyGemstone, "Emerald");
}

}  // namespace
}  // namespace grahavani
