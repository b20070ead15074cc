// Build step: checks the editorial texts in data/*.json and writes them as a C++ source,
// so that a text file out of shape stops the build instead of the program.
//
//   embed_interpretive_texts <data folder> <generated .cpp>

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
#include "model/vedic_names.h"

namespace {

using nlohmann::json;
namespace fs = std::filesystem;

struct ShapeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

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

std::string Literal(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c >= 0x20 && c < 0x7f) {
                    out += c;
                } else {
                    // Octal escapes end after three digits, so a following digit stays a digit.
                    char escape[5];
                    std::snprintf(escape, sizeof escape, "\\%03o", static_cast<unsigned char>(c));
                    out += escape;
                }
        }
    }
    return out + "\"";
}

std::vector<std::string_view> PlanetNames() {
    return {grahavani::BodyNames.begin(), grahavani::BodyNames.begin() + grahavani::ReadingPlanetCount};
}

// An object with one entry for each planet of the reading.
json LoadPerPlanet(const fs::path& file) {
    json table = Load(file);
    RequireKeys(table, PlanetNames(), file.string());
    return table;
}

void WritePlanetSignTexts(const fs::path& file, std::ostream& out) {
    const json texts = LoadPerPlanet(file);
    out << "constexpr std::array<std::array<std::string_view, 12>, ReadingPlanetCount> PlanetSignTexts = {{\n";
    for (const auto planet : PlanetNames()) {
        const std::string where = file.string() + " " + std::string(planet);
        const json& paragraphs = Member(texts, planet, file.string());
        out << "    {{\n";
        for (std::size_t sign = 0; sign < 12; ++sign) {
            out << "        " << Literal(Text(Element(paragraphs, 12, sign, where), where)) << ",\n";
        }
        out << "    }},\n";
    }
    out << "}};\n\n";
}

void WritePlanetDescriptions(const fs::path& file, std::ostream& out) {
    const json descriptions = LoadPerPlanet(file);
    out << "constexpr std::array<std::string_view, ReadingPlanetCount> PlanetDescriptions = {\n";
    for (const auto planet : PlanetNames()) {
        out << "    " << Literal(Text(Member(descriptions, planet, file.string()), file.string())) << ",\n";
    }
    out << "};\n\n";
}

// A table of rows, one per name and in the order of the names; each row carries its
// name under nameKey and its texts under textKeys, in the order of the row type's members.
struct ProseRows {
    std::string_view definition;
    std::string_view nameKey;
    std::vector<std::string_view> names;
    std::vector<std::string_view> textKeys;
};

void WriteProseRows(const fs::path& file, const ProseRows& rows, std::ostream& out) {
    const json table = Load(file);
    std::vector<std::string_view> keys = rows.textKeys;
    keys.insert(keys.begin(), rows.nameKey);
    out << rows.definition << " = {{\n";
    for (std::size_t index = 0; index < rows.names.size(); ++index) {
        const std::string where = file.string() + " entry " + std::to_string(index + 1);
        const json& row = Element(table, rows.names.size(), index, file.string());
        RequireKeys(row, keys, where);
        if (Text(Member(row, rows.nameKey, where), where) != rows.names[index]) {
            throw ShapeError(where + ": expected " + std::string(rows.nameKey) + " \"" +
                             std::string(rows.names[index]) + "\" here");
        }
        out << "    {  // " << rows.names[index] << "\n";
        for (const auto key : rows.textKeys) {
            out << "        " << Literal(Text(Member(row, key, where), where + " " + std::string(key))) << ",\n";
        }
        out << "    },\n";
    }
    out << "}};\n\n";
}

std::string GeneratedSource(const fs::path& dataFolder) {
    std::ostringstream out;
    out << "// Generated by embed_interpretive_texts from data/*.json: edit those files, not this one.\n"
           "#include \"interpretation/interpretive_texts.h\"\n\n"
           "namespace grahavani {\n\n";
    WritePlanetSignTexts(dataFolder / "planet_sign_texts.json", out);
    WritePlanetDescriptions(dataFolder / "planet_descriptions.json", out);
    WriteProseRows(dataFolder / "nakshatra_prose.json",
                   {"constexpr std::array<NakshatraProse, 27> NakshatraProseTable", "Name",
                    {grahavani::NakshatraNames.begin(), grahavani::NakshatraNames.end()},
                    {"GeneralAndPhysicalFeatures", "PositiveHumanTraits", "NegativeHumanTraits",
                     "BestCareerOptions", "DomesticLife", "Health"}},
                   out);
    std::vector<std::string_view> signs;
    for (const auto& sign : grahavani::SignSummaryTable) signs.push_back(sign.englishName);
    WriteProseRows(dataFolder / "sign_prose.json",
                   {"constexpr std::array<SignProse, 12> SignProseTable", "Sign", signs,
                    {"Looks", "Nature", "CareerAndFinance", "LoveAndDomesticLife", "Health"}},
                   out);
    out << "}  // namespace grahavani\n";
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: embed_interpretive_texts <data folder> <generated .cpp>\n";
        return 2;
    }
    try {
        const std::string source = GeneratedSource(argv[1]);
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out << source;
        if (!out.flush()) throw ShapeError(std::string(argv[2]) + ": cannot be written");
    } catch (const ShapeError& error) {
        std::cerr << "embed_interpretive_texts: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
