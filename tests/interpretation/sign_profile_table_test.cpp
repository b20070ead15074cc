#include "interpretation/sign_profile_table.h"

#include <gtest/gtest.h>

#include "model/name_tables.h"
#include "interpretation/sign_summary_table.h"
#include "model/vedic_names.h"

namespace grahavani {
namespace {

TEST(SignProfileTable, RowsRunAriesToPiscesWithTheirOwnProse) {
    for (std::size_t row = 0; row < SignProfileTable.size(); ++row) {
        EXPECT_EQ(SignProfileTable[row].englishName, SignSummaryTable[row].englishName);
        EXPECT_EQ(&SignProfileTable[row].prose, &SignProseTable[row]) << row;
        for (int column = 0; column <= 26; ++column) {
            EXPECT_FALSE(SignProfileColumn(SignProfileTable[row], column).empty())
                << row << " column " << column;
        }
    }
}

TEST(SignProfileColumn, AriessColumnsInOrder) {
    const SignProfile& aries = SignProfileTable[0];
    const char* columns[] = {
        "Mesha", "Aries", "Mars", "The Ram", "Fire", "Red, Brown, Copper", "Movable", "Male",
        "Night", "Barren", "Kshatriya", "Dwara", "Mineral (Dhatu)", "Monday, Tuesday", "9, 1",
        "East", "Red, Brown, Copper", "Coral", "Head", "Short"};
    for (int column = 0; column <= 19; ++column) {
        EXPECT_EQ(SignProfileColumn(aries, column), columns[column]) << column;
    }
    const std::string_view prose[] = {aries.prose.looks, aries.prose.nature, aries.prose.careerAndFinance,
                                      aries.prose.loveAndDomesticLife, aries.prose.health};
    for (int column = 20; column <= 24; ++column) {
        EXPECT_EQ(SignProfileColumn(aries, column), prose[column - 20]) << column;
    }
    EXPECT_EQ(SignProfileColumn(aries, 25), "Leo, Sagittarius, Gemini, Aquarius, Libra");
    EXPECT_EQ(SignProfileColumn(aries, 26), "Scorpio, Pisces, Cancer");
    EXPECT_EQ(SignProfileColumn(aries, -1), "");
    EXPECT_EQ(SignProfileColumn(aries, 27), "");
}

TEST(LagnaProfileFor, FindsTheRowByTheEnglishNamesFirstThreeLetters) {
    for (std::size_t sign = 0; sign < 12; ++sign) {
        EXPECT_EQ(LagnaProfileFor(SignAbbreviationList[sign]), &SignProfileTable[sign]) << sign;
    }
    EXPECT_EQ(LagnaProfileFor("Sco")->sanskritName, "Vrischika");
    EXPECT_EQ(LagnaProfileFor("Sag")->sanskritName, "Dhanus");
    for (const char* unknown : {"", "Sa", "sco", "Scorpio", "Xyz"}) {
        EXPECT_EQ(LagnaProfileFor(unknown), nullptr) << unknown;
    }
}

// By position in RashiNames, so the Moon's "Vrishcika" finds the row spelt "Vrischika".
TEST(RashiProfileFor, FindsTheRowByThePositionInRashiNames) {
    for (std::size_t sign = 0; sign < 12; ++sign) {
        EXPECT_EQ(RashiProfileFor(RashiNames[sign]), &SignProfileTable[sign]) << sign;
    }
    const SignProfile* scorpio = RashiProfileFor("Vrishcika");
    ASSERT_NE(scorpio, nullptr);
    EXPECT_EQ(scorpio->sanskritName, "Vrischika");
    EXPECT_EQ(scorpio->englishName, "Scorpio");
    const SignProfile* sagittarius = RashiProfileFor("Dhanus");
    ASSERT_NE(sagittarius, nullptr);
    EXPECT_EQ(sagittarius->sanskritName, "Dhanus");
    EXPECT_EQ(sagittarius->englishName, "Sagittarius");
    EXPECT_EQ(RashiProfileFor("Dhanush"), nullptr);  // the lagna's spelling
    EXPECT_EQ(RashiProfileFor("mesha"), nullptr);
}

TEST(SignProfileTable, AquariusCountsItselfCompatible) {
    EXPECT_EQ(SignProfileTable[10].compatibleWith, "Aquarius, Libra, Gemini");
    EXPECT_EQ(SignProfileTable[10].notCompatibleWith, "Taurus, Virgo, Capricorn");
}

}  // namespace
}  // namespace grahavani
