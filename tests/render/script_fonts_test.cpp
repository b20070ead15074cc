#include <gtest/gtest.h>

#include <QFont>
#include <QRawFont>
#include <QString>
#include <set>

#include "interpretation/interpretive_texts.h"
#include "render/fonts.h"
#include "render/offscreen_gui.h"
#include "translation/core_catalogue_entries.h"

namespace grahavani {
namespace {

void AddCharacters(std::string_view text, std::set<char32_t>& characters) {
    for (const char32_t c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUcs4()) {
        if (c > 0x20) characters.insert(c);
    }
}

// Every character of every translation, drawn regular and bold, has a font the program names
// for Verdana: none falls back to a font picked by chance or shows as an empty box.
TEST(ScriptFonts, TheNamedFontsCoverEveryTranslatedCharacterRegularAndBold) {
    EnsureOffscreenGui();
    RegisterFontSubstitutes();
    std::set<char32_t> characters;
    for (const CatalogueEntry& entry : CoreCatalogueEntries()) {
        for (const std::string_view text : entry.Translations) AddCharacters(text, characters);
    }
    for (const Language language : {Language::Hindi, Language::Tamil}) {
        const InterpretiveTexts& texts = InterpretiveTextsIn(language);
        for (const auto& planet : texts.planetSigns) {
            for (const std::string_view text : planet) AddCharacters(text, characters);
        }
        for (const std::string_view text : texts.planetDescriptions) AddCharacters(text, characters);
        for (const NakshatraProse& prose : texts.nakshatraProse) {
            for (const std::string_view text : {prose.generalAndPhysicalFeatures, prose.positiveHumanTraits,
                                                prose.negativeHumanTraits, prose.bestCareerOptions, prose.domesticLife,
                                                prose.health}) {
                AddCharacters(text, characters);
            }
        }
        for (const SignProse& prose : texts.signProse) {
            for (const std::string_view text :
                 {prose.looks, prose.nature, prose.careerAndFinance, prose.loveAndDomesticLife, prose.health}) {
                AddCharacters(text, characters);
            }
        }
    }
    const QStringList families = QFont::substitutes("Verdana");
    ASSERT_FALSE(families.isEmpty());
    for (const bool bold : {false, true}) {
        std::vector<QRawFont> fonts;
        for (const QString& family : families) {
            QFont font(family);
            font.setBold(bold);
            fonts.push_back(QRawFont::fromFont(font));
        }
        for (const char32_t c : characters) {
            const bool covered = std::any_of(fonts.begin(), fonts.end(), [c](const QRawFont& font) {
                return font.supportsCharacter(static_cast<uint>(c));
            });
            EXPECT_TRUE(covered) << "U+" << std::hex << static_cast<unsigned>(c) << (bold ? " bold" : "");
        }
    }
    EXPECT_GT(characters.size(), 150u);
}

}  // namespace
}  // namespace grahavani
