#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/name_tables.h"
#include "model/vedic_names.h"
#include "timing/panchang.h"
#include "translation/core_catalogue_entries.h"
#include "translation/translated.h"
#include "tests/translation/latin_words.h"

namespace grahavani {
namespace {

// The glossary's section `heading` as English -> {Hindi, Tamil}.
std::map<std::string, std::array<std::string, 2>> GlossarySection(const std::string& heading) {
    std::ifstream in(GRAHAVANI_GLOSSARY);
    std::map<std::string, std::array<std::string, 2>> rows;
    bool inSection = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("## ")) inSection = line == "## " + heading;
        if (!inSection || !line.starts_with("| ")) continue;
        std::vector<std::string> cells;
        std::stringstream cellText(line.substr(1));
        for (std::string cell; std::getline(cellText, cell, '|');) {
            cells.push_back(cell.substr(1, cell.size() >= 2 ? cell.size() - 2 : 0));
        }
        if (cells.size() >= 3) {
            const std::size_t english = cells.size() - 3;
            rows[cells[english]] = {cells[english + 1], cells[english + 2]};
        }
    }
    return rows;
}

template <std::size_t Count>
std::vector<std::string_view> Entries(const std::array<std::string_view, Count>& table, std::size_t count = Count) {
    return {table.begin(), table.begin() + static_cast<std::ptrdiff_t>(count)};
}

TEST(CoreCatalogue, TheProgramsNamesAreTheGlossarys) {
    struct Table {
        std::string_view context;
        std::vector<std::string_view> english;
        std::string section;
    };
    const std::vector<Table> tables = {
        {"model/name_tables.h SignAbbreviationList", Entries(SignAbbreviationList), "Signs"},
        {"model/name_tables.h LagnaNames", Entries(LagnaNames), "Signs"},
        {"model/vedic_names.h RashiNames", Entries(RashiNames), "Signs"},
        {"model/name_tables.h BodyNames", Entries(BodyNames, 9), "Bodies"},
        {"model/name_tables.h BodyVedicNames", Entries(BodyVedicNames, 9), "Bodies"},
        {"model/reference_tables.cpp SignNakshatraTable lords", Entries(BodyNames, 9), "Bodies"},
        {"model/vedic_names.h NakshatraNames", Entries(NakshatraNames), "Nakshatras"},
        {"timing/panchang.h WeekdayNames", Entries(WeekdayNames), "Varas"},
        {"model/name_tables.h MonthNames", Entries(MonthNames), "Months"},
    };
    for (const Table& table : tables) {
        const auto glossary = GlossarySection(table.section);
        ASSERT_FALSE(glossary.empty()) << table.section;
        for (const std::string_view english : table.english) {
            const auto row = glossary.find(std::string(english));
            ASSERT_NE(row, glossary.end()) << table.section << " lacks " << english;
            for (const Language language : {Language::Hindi, Language::Tamil}) {
                EXPECT_EQ(Translated(language, table.context, english),
                          row->second[static_cast<std::size_t>(language) - 1])
                    << table.context << " " << english << " in " << LanguageCode(language);
            }
        }
    }
    EXPECT_EQ(Translated(Language::English, "model/name_tables.h BodyNames", "Sun"), "Sun");
    EXPECT_EQ(Translated(Language::Hindi, "model/name_tables.h BodyNames", "no such text"), "no such text");
}

// Outside the zone rows' abbreviations, only names a reader meets as they are: the ephemeris
// files' maker, the tz database and the variables and files that name them.
TEST(CoreCatalogue, TranslationsHoldNoLatinWordButNamesAndCodes) {
    const std::set<std::string> kept = {"IANA", "JPL", "SE_EPHE_PATH", "TZDIR", "TZif", "tzdata"};
    for (const CatalogueEntry& entry : CoreCatalogueEntries()) {
        for (std::string_view translation : entry.Translations) {
            EXPECT_FALSE(translation.empty()) << entry.Context << " " << entry.English;
            std::string text(translation);
            // A zone row's text is "name,CODE,offset": its code stays.
            if (entry.Context == "model/reference_tables.cpp TimeZoneList") text = text.substr(0, text.find(','));
            for (const std::string& word : test::LatinWords(text)) {
                EXPECT_TRUE(kept.contains(word)) << entry.Context << " \"" << entry.English << "\" keeps " << word;
            }
        }
    }
}

}  // namespace
}  // namespace grahavani
