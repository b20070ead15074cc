#include <gtest/gtest.h>

#include "interpretation/interpretation_view_texts.h"
#include "interpretation/nakshatra_profile_table.h"
#include "interpretation/planets_in_signs.h"
#include "interpretation/sign_profile_table.h"
#include "model/name_tables.h"
#include "tests/translation/latin_words.h"

namespace grahavani {
namespace {

// Whatever the catalogue lacks would come back in English, with Latin letters.
void ExpectInTheScript(std::string_view text, const std::string& where) {
    EXPECT_FALSE(text.empty()) << where;
    EXPECT_EQ(test::LatinWords(text), std::vector<std::string>{}) << where << ": " << text;
}

TEST(ReadingsInHindiAndTamil, EveryProfileValueCaptionAndRunIsInTheScript) {
    for (const Language language : {Language::Hindi, Language::Tamil}) {
        const std::string code(LanguageCode(language));
        for (const NakshatraProfile& profile : NakshatraProfileTable) {
            for (int column = 1; column <= 21; ++column) {
                ExpectInTheScript(NakshatraProfileColumn(profile, column, language),
                                  code + " " + std::string(profile.name) + " column " + std::to_string(column));
            }
            ExpectInTheScript(NakshatraFirstPageCaption(profile.name, language), code + " caption");
        }
        for (const SignProfile& profile : SignProfileTable) {
            for (int column = 0; column <= 26; ++column) {
                ExpectInTheScript(SignProfileColumn(profile, column, language),
                                  code + " " + std::string(profile.englishName) + " column " + std::to_string(column));
            }
            ExpectInTheScript(LuckyPageCaption(profile.sanskritName, language), code + " lucky caption");
        }
        for (std::size_t sign = 0; sign < 12; ++sign) {
            std::array<std::string, 12> positions;
            positions.fill("10 " + std::string(SignAbbreviationList[sign]) + " 10");
            const auto runs = PlanetsInSignsReading(positions, language);
            EXPECT_EQ(runs.size(), PlanetsInSignsReading(positions).size());
            for (const TextRun& run : runs) ExpectInTheScript(run.text, code + " reading in sign " + std::to_string(sign));
        }
    }
    for (const Language language : {Language::Hindi, Language::Tamil}) {
        const auto expect = [language](ViewTexts table, std::string_view english) {
            ExpectInTheScript(ViewTextIn(table, english, language), std::string(english));
        };
        for (const auto caption : InterpretationTabCaptions) expect(ViewTexts::TabCaptions, caption);
        expect(ViewTexts::PlanetsInSignsHeading, PlanetsInSignsHeading);
        expect(ViewTexts::DesignCaptions, NakshatraResultDesignCaption);
        expect(ViewTexts::DesignCaptions, VedicNameDesignCaption);
        for (const auto caption : NakshatraPageCaptions) expect(ViewTexts::NakshatraPageCaptions, caption);
        for (const auto caption : SignPageCaptions) expect(ViewTexts::SignPageCaptions, caption);
        for (const NakshatraField& field : NakshatraFields) {
            expect(ViewTexts::NakshatraFieldCaptions, field.caption);
            expect(ViewTexts::NakshatraFieldHelp, field.helpText);
        }
        for (const SignField& field : SignFields) {
            expect(ViewTexts::SignFieldCaptions, field.caption);
            expect(ViewTexts::SignFieldHelp, field.helpText);
        }
        for (const LagnaLuckyLabel& label : LagnaLuckyLabels) expect(ViewTexts::LagnaLuckyPrefixes, label.captionPrefix);
    }
    EXPECT_EQ(ViewTextIn(ViewTexts::TabCaptions, "More About Lagna", Language::English), "More About Lagna");
    EXPECT_EQ(NakshatraFirstPageCaption("Ashwini"), "More About Ashwini Nakshatra");
    EXPECT_EQ(NakshatraProfileColumn(NakshatraProfileTable[0], 16, Language::English),
              NakshatraProfileColumn(NakshatraProfileTable[0], 16));
}

}  // namespace
}  // namespace grahavani
