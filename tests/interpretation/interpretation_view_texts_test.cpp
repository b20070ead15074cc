#include "interpretation/interpretation_view_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace grahavani {
namespace {

// The columns that a profile's fields show, each once, on pages that exist.
template <typename Field, std::size_t FieldCount>
std::set<int> ShownColumns(const std::array<Field, FieldCount>& fields, std::size_t pageCount) {
    std::set<int> columns;
    for (const auto& field : fields) {
        EXPECT_TRUE(columns.insert(field.column).second) << field.caption;
        EXPECT_GE(field.page, 0) << field.caption;
        EXPECT_LE(field.page, static_cast<int>(pageCount)) << field.caption;
    }
    return columns;
}

std::set<int> ColumnRange(int first, int last) {
    std::set<int> columns;
    for (int column = first; column <= last; ++column) columns.insert(column);
    return columns;
}

// Every profile column but the sign's Sanskrit name (a label's caption) has one field.
TEST(ProfileFields, EachColumnHasExactlyOneFieldOnAPageThatExists) {
    EXPECT_EQ(ShownColumns(NakshatraFields, NakshatraPageCaptions.size()), ColumnRange(1, 21));
    EXPECT_EQ(ShownColumns(SignFields, SignPageCaptions.size()), ColumnRange(1, 26));
}

TEST(ProfileFields, TextsKeepTheirSpellingsAndTrailingSpaces) {
    EXPECT_EQ(NakshatraFields[3].caption, "Ruling Planet ");
    EXPECT_EQ(NakshatraFields[3].textBox, "txtRullingPlanet");
    EXPECT_EQ(NakshatraFields[7].helpText,
              "This means \"things\" and it describes the essential constitution of all things.");
    EXPECT_TRUE(NakshatraFields[9].helpText.starts_with("This decribes the three doshas"));
    EXPECT_EQ(NakshatraFields[19].helpText, "This signifies the kind of domestic life a person will lead. ");
    EXPECT_EQ(SignFields[4].caption, "Rulling Planet");
    EXPECT_EQ(SignFields[16].helpText, "This signifies born under this sign.");
    EXPECT_EQ(SignFields[13].helpText, "This signifies the general stature of people born under this sign. ");
    EXPECT_EQ(SignPageCaptions[6], "Lucky for....Rashi");
}

TEST(SignProfileControls, LagnaAndRashiControlsOfKnownColumns) {
    EXPECT_EQ(SignProfileControls[0].lagnaTab, "lblVedicName");
    EXPECT_EQ(SignProfileControls[0].rashiTab, "lblRashiVedicName");
    EXPECT_EQ(SignProfileControls[4].lagnaTab, "txtInbornNature");
    EXPECT_EQ(SignProfileControls[17].lagnaTab, "txtLagnaGemStone");
    EXPECT_EQ(SignProfileControls[17].rashiTab, "txtRashiLuckyGemstone");
    EXPECT_EQ(SignProfileControls[26].rashiTab, "txtRashiNotCompatibleWith");
}

TEST(ProfileCaptions, NameTheirNakshatraOrSign) {
    EXPECT_EQ(NakshatraFirstPageCaption("Ashwini"), "More About Ashwini Nakshatra");
    EXPECT_EQ(LuckyPageCaption("Mesha"), "Lucky for Mesha");
    EXPECT_EQ(std::string(LagnaLuckyLabels[0].captionPrefix) + "Vrischika", "Lucky Days for Vrischika");
    EXPECT_EQ(LagnaLuckyLabels[5].label, "lblBestPeriodOfActivity");
}

}  // namespace
}  // namespace grahavani
