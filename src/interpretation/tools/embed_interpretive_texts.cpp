// Build step: checks the editorial texts in data/*.json and their translations in
// data/<language>/*.json (the same shape, the same line breaks and placeholders) and writes them
// as a C++ source, so that a text file out of shape stops the build instead of the program.
//
//   embed_interpretive_texts <data folder> <generated .cpp>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/name_tables.h"
#include "interpretation/interpretive_texts.h"
#include "interpretation/sign_summary_table.h"
#include "model/language.h"
#include "model/vedic_names.h"
#include "translation/tools/embedding_step.h"

namespace {

using grahavani::build_step::CppLiteral;
using grahavani::build_step::TextMarks;
using nlohmann::json;
namespace fs = std::filesystem;

using grahavani::build_step::ShapeError;

json Load(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw ShapeError(file.string() + ": cannot be read");
    try {
        return json::parse(in);
    } catch (const json::parse_error& error) {
        throw ShapeError(file.string() + ": " + error.what());
    }
}

const json& Member(const json& object, std::string_view key, const std::string& where) {
    if (!object.is_object()) throw ShapeError(where + ": expected an object");
    const auto found = object.find(key);
    if (found == object.end()) throw ShapeError(where + ": missing \"" + std::string(key) + "\"");
    return *found;
}

const json& Element(const json& array, std::size_t expectedSize, std::size_t index,
                    const std::string& where) {
    if (!array.is_array() || array.size() != expectedSize) {
        throw ShapeError(where + ": expected an array of " + std::to_string(expectedSize) + " entries");
    }
    return array[index];
}

std::string Text(const json& value, const std::string& where) {
    if (!value.is_string() || value.get_ref<const std::string&>().empty()) {
        throw ShapeError(where + ": expected a non-empty text");
    }
    return value.get<std::string>();
}

// Each entry must carry exactly these keys: a misspelt key is an error, not a gap.
void RequireKeys(const json& object, const std::vector<std::string_view>& keys, const std::string& where) {
    for (const auto key : keys) Member(object, key, where);
    if (object.size() != keys.size()) throw ShapeError(where + ": unexpected keys besides the expected ones");
}

std::vector<std::string_view> PlanetNames() {
    return {grahavani::BodyNames.begin(), grahavani::BodyNames.begin() + grahavani::ReadingPlanetCount};
}

// The texts of one language, in the order of the tables they fill.
struct Texts {
    std::vector<std::vector<std::string>> planetSigns;  // [planet][sign]
    std::vector<std::string> planetDescriptions;        // [planet]
    std::vector<std::vector<std::string>> nakshatraProse;  // [nakshatra][column]
    std::vector<std::vector<std::string>> signProse;       // [sign][column]
};

// An object with one entry for each planet of the reading.
json LoadPerPlanet(const fs::path& file) {
    json table = Load(file);
    RequireKeys(table, PlanetNames(), file.string());
    return table;
}

std::vector<std::vector<std::string>> LoadPlanetSignTexts(const fs::path& file) {
    const json texts = LoadPerPlanet(file);
    std::vector<std::vector<std::string>> table;
    for (const auto planet : PlanetNames()) {
        const std::string where = file.string() + " " + std::string(planet);
        const json& paragraphs = Member(texts, planet, file.string());
        auto& row = table.emplace_back();
        for (std::size_t sign = 0; sign < 12; ++sign) row.push_back(Text(Element(paragraphs, 12, sign, where), where));
    }
    return table;
}

std::vector<std::string> LoadPlanetDescriptions(const fs::path& file) {
    const json descriptions = LoadPerPlanet(file);
    std::vector<std::string> table;
    for (const auto planet : PlanetNames()) table.push_back(Text(Member(descriptions, planet, file.string()), file.string()));
    return table;
}

// A table of rows, one per name and in the order of the names; each row carries its
// name under nameKey and its texts under textKeys, in the order of the row type's members.
struct ProseRows {
    std::string_view nameKey;
    std::vector<std::string_view> names;
    std::vector<std::string_view> textKeys;
};

std::vector<std::vector<std::string>> LoadProseRows(const fs::path& file, const ProseRows& rows) {
    const json table = Load(file);
    std::vector<std::string_view> keys = rows.textKeys;
    keys.insert(keys.begin(), rows.nameKey);
    std::vector<std::vector<std::string>> texts;
    for (std::size_t index = 0; index < rows.names.size(); ++index) {
        const std::string where = file.string() + " entry " + std::to_string(index + 1);
        const json& row = Element(table, rows.names.size(), index, file.string());
        RequireKeys(row, keys, where);
        // The name is the row's key, so a translation keeps it in English.
        if (Text(Member(row, rows.nameKey, where), where) != rows.names[index]) {
            throw ShapeError(where + ": expected " + std::string(rows.nameKey) + " \"" +
                             std::string(rows.names[index]) + "\" here");
        }
        auto& columns = texts.emplace_back();
        for (const auto key : rows.textKeys) columns.push_back(Text(Member(row, key, where), where + " " + std::string(key)));
    }
    return texts;
}

const ProseRows& NakshatraRows() {
    static const ProseRows rows{"Name",
                                {grahavani::NakshatraNames.begin(), grahavani::NakshatraNames.end()},
                                {"GeneralAndPhysicalFeatures", "PositiveHumanTraits", "NegativeHumanTraits",
                                 "BestCareerOptions", "DomesticLife", "Health"}};
    return rows;
}

const ProseRows& SignRows() {
    static const ProseRows rows = [] {
        std::vector<std::string_view> signs;
        for (const auto& sign : grahavani::SignSummaryTable) signs.push_back(sign.englishName);
        return ProseRows{"Sign", signs, {"Looks", "Nature", "CareerAndFinance", "LoveAndDomesticLife", "Health"}};
    }();
    return rows;
}

Texts LoadTexts(const fs::path& folder) {
    return {LoadPlanetSignTexts(folder / "planet_sign_texts.json"),
            LoadPlanetDescriptions(folder / "planet_descriptions.json"),
            LoadProseRows(folder / "nakshatra_prose.json", NakshatraRows()),
            LoadProseRows(folder / "sign_prose.json", SignRows())};
}

void CompareMarks(const std::string& english, const std::string& translated, const std::string& where) {
    if (TextMarks(english) != TextMarks(translated)) {
        throw ShapeError(where + ": the line breaks or placeholders differ from the English (\"" + TextMarks(english) +
                         "\" against \"" + TextMarks(translated) + "\")");
    }
}

// The loaders already hold a translation to the English shape; the marks are compared here.
void CompareWithEnglish(const Texts& english, const Texts& translated, const fs::path& folder) {
    const auto rows = [&](const auto& ours, const auto& theirs, const std::string& file) {
        for (std::size_t row = 0; row < ours.size(); ++row) {
            for (std::size_t column = 0; column < ours[row].size(); ++column) {
                CompareMarks(ours[row][column], theirs[row][column],
                             (folder / file).string() + " entry " + std::to_string(row + 1) + " text " +
                                 std::to_string(column + 1));
            }
        }
    };
    rows(english.planetSigns, translated.planetSigns, "planet_sign_texts.json");
    rows(english.nakshatraProse, translated.nakshatraProse, "nakshatra_prose.json");
    rows(english.signProse, translated.signProse, "sign_prose.json");
    for (std::size_t planet = 0; planet < english.planetDescriptions.size(); ++planet) {
        CompareMarks(english.planetDescriptions[planet], translated.planetDescriptions[planet],
                     (folder / "planet_descriptions.json").string() + " entry " + std::to_string(planet + 1));
    }
}

// The four tables, each named prefix + its English name.
void WriteTexts(const Texts& texts, const std::string& prefix, std::ostream& out) {
    out << "constexpr std::array<std::array<std::string_view, 12>, ReadingPlanetCount> " << prefix
        << "PlanetSignTexts = {{\n";
    for (const auto& planet : texts.planetSigns) {
        out << "    {{\n";
        for (const auto& paragraph : planet) out << "        " << CppLiteral(paragraph) << ",\n";
        out << "    }},\n";
    }
    out << "}};\n\n";
    out << "constexpr std::array<std::string_view, ReadingPlanetCount> " << prefix << "PlanetDescriptions = {\n";
    for (const auto& description : texts.planetDescriptions) out << "    " << CppLiteral(description) << ",\n";
    out << "};\n\n";
    const auto rows = [&](const std::vector<std::vector<std::string>>& table, const ProseRows& names,
                          const std::string& definition) {
        out << definition << " = {{\n";
        for (std::size_t row = 0; row < table.size(); ++row) {
            out << "    {  // " << names.names[row] << "\n";
            for (const auto& text : table[row]) out << "        " << CppLiteral(text) << ",\n";
            out << "    },\n";
        }
        out << "}};\n\n";
    };
    rows(texts.nakshatraProse, NakshatraRows(), "constexpr std::array<NakshatraProse, 27> " + prefix + "NakshatraProseTable");
    rows(texts.signProse, SignRows(), "constexpr std::array<SignProse, 12> " + prefix + "SignProseTable");
}

// The translations, each in data/<code>/ and named by its language in the generated source.
struct Translation {
    std::string_view code;
    std::string_view prefix;
};
constexpr std::array<Translation, grahavani::LanguageCount - 1> Translations = {{{"hi", "Hindi"}, {"ta", "Tamil"}}};

std::string GeneratedSource(const fs::path& dataFolder) {
    std::ostringstream out;
    out << "// Generated by embed_interpretive_texts from data/*.json and data/*/*.json: edit those files,\n"
           "// not this one.\n"
           "#include \"interpretation/interpretive_texts.h\"\n\n"
           "namespace grahavani {\n\n";
    const Texts english = LoadTexts(dataFolder);
    WriteTexts(english, "", out);
    out << "namespace {\n\n";
    for (const Translation& translation : Translations) {
        const fs::path folder = dataFolder / translation.code;
        const Texts translated = LoadTexts(folder);
        CompareWithEnglish(english, translated, folder);
        WriteTexts(translated, std::string(translation.prefix), out);
    }
    out << "}  // namespace\n\n"
           "const InterpretiveTexts& InterpretiveTextsIn(Language language) {\n"
           "    static const std::array<InterpretiveTexts, LanguageCount> texts = {{\n"
           "        {PlanetSignTexts, PlanetDescriptions, NakshatraProseTable, SignProseTable},\n";
    for (const Translation& translation : Translations) {
        const std::string p(translation.prefix);
        out << "        {" << p << "PlanetSignTexts, " << p << "PlanetDescriptions, " << p << "NakshatraProseTable, "
            << p << "SignProseTable},\n";
    }
    out << "    }};\n"
           "    return texts[static_cast<std::size_t>(language)];\n"
           "}\n\n"
           "}  // namespace grahavani\n";
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    return grahavani::build_step::RunEmbeddingStep(argc, argv, "embed_interpretive_texts", "data folder", GeneratedSource);
}
