// Build step: reads the GeoNames cities through libgeonames, the GeoNames records it lacks from our
// supplement file, and our alias file, and writes them as a C++ source, so the programs carry the
// atlas without linking the GPL library.
//
//   generate_atlas <place_aliases.json> <place_supplement.json> <generated .cpp>

#include <geonames.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct City {
    std::string name, state, country, countryCode, timeZone;
    double latitude = 0, longitude = 0;
    unsigned population = 0;
};

struct ShapeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Text(const char* value) { return value ? value : ""; }

std::vector<City> ReadCities() {
    const int count = geonames_get_n_cities();
    if (count <= 0) throw ShapeError("libgeonames has no cities");
    std::vector<City> cities;
    cities.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (!city) throw ShapeError("libgeonames gave no city at index " + std::to_string(i));
        cities.push_back({Text(geonames_city_get_name(city)), Text(geonames_city_get_state(city)),
                          Text(geonames_city_get_country(city)), Text(geonames_city_get_country_code(city)),
                          Text(geonames_city_get_timezone(city)), geonames_city_get_latitude(city),
                          geonames_city_get_longitude(city), geonames_city_get_population(city)});
        geonames_city_free(city);
    }
    return cities;
}

nlohmann::json ReadArray(const std::string& file, const char* what) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw ShapeError(file + ": cannot be read");
    nlohmann::json entries;
    try {
        entries = nlohmann::json::parse(in);
    } catch (const nlohmann::json::parse_error& error) {
        throw ShapeError(file + ": " + error.what());
    }
    if (!entries.is_array()) throw ShapeError(file + ": expected an array of " + what);
    return entries;
}

bool SamePlace(const City& city, const std::string& name, const std::string& countryCode) {
    return city.name == name && city.countryCode == countryCode;
}

// GeoNames records (capitals and city-states) that libgeonames lacks; one it has is refused, so the
// supplement never doubles a place once libgeonames gains it.
void AddSupplement(const std::string& file, std::vector<City>& cities) {
    for (const auto& entry : ReadArray(file, "places")) {
        const auto fail = [&](const std::string& problem) { throw ShapeError(file + ": " + problem + ": " + entry.dump()); };
        if (!entry.is_object() || entry.size() != 8) fail("every place needs exactly its eight fields");
        const auto text = [&](const char* key, bool mayBeEmpty) {
            if (!entry.contains(key) || !entry[key].is_string()) fail(std::string("\"") + key + "\" must be a text");
            std::string value = entry[key].get<std::string>();
            if (value.empty() && !mayBeEmpty) fail(std::string("\"") + key + "\" must not be empty");
            return value;
        };
        const auto number = [&](const char* key, double least, double most) {
            if (!entry.contains(key) || !entry[key].is_number()) fail(std::string("\"") + key + "\" must be a number");
            const double value = entry[key].get<double>();
            if (!(value >= least && value <= most)) fail(std::string("\"") + key + "\" is out of range");
            return value;
        };
        City city{text("name", false), text("state", true), text("country", false), text("countryCode", false),
                  text("timeZone", false), number("latitude", -90, 90), number("longitude", -180, 180),
                  static_cast<unsigned>(number("population", 0, 4e9))};
        if (std::any_of(cities.begin(), cities.end(), [&](const City& c) { return SamePlace(c, city.name, city.countryCode); })) {
            fail("libgeonames already has " + city.name + ", " + city.countryCode);
        }
        cities.push_back(std::move(city));
    }
}

// Most populous first, so a search can stop once it has enough; ties in a fixed order.
void SortByPopulation(std::vector<City>& cities) {
    std::stable_sort(cities.begin(), cities.end(), [](const City& a, const City& b) {
        if (a.population != b.population) return a.population > b.population;
        return a.name < b.name;
    });
}

// Each alias names a place and its country; the most populous place of that name wins.
std::vector<std::pair<std::string, std::size_t>> ReadAliases(const std::string& file,
                                                             const std::vector<City>& cities) {
    std::vector<std::pair<std::string, std::size_t>> aliases;
    for (const auto& entry : ReadArray(file, "aliases")) {
        const auto field = [&](const char* key) {
            if (!entry.is_object() || !entry.contains(key) || !entry[key].is_string() ||
                entry[key].get_ref<const std::string&>().empty()) {
                throw ShapeError(file + ": every alias needs a non-empty \"" + key + "\": " + entry.dump());
            }
            return entry[key].get<std::string>();
        };
        const std::string alias = field("alias"), place = field("place"), country = field("country");
        if (entry.size() != 3) throw ShapeError(file + ": unexpected keys in " + entry.dump());
        const auto found = std::find_if(cities.begin(), cities.end(),
                                        [&](const City& city) { return SamePlace(city, place, country); });
        if (found == cities.end()) throw ShapeError(file + ": no place " + place + ", " + country + " for " + alias);
        aliases.emplace_back(alias, static_cast<std::size_t>(found - cities.begin()));
    }
    return aliases;
}

std::string View(std::string_view text) {
    std::string out = "{\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", byte);
            out += escaped;
        } else {
            out += c;  // UTF-8 passes through as it is
        }
    }
    return out + "\", " + std::to_string(text.size()) + "}";
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string Source(const std::vector<City>& cities, const std::vector<std::pair<std::string, std::size_t>>& aliases) {
    std::ostringstream out;
    out << "// Generated by generate_atlas from libgeonames and data/place_supplement.json (GeoNames, CC-BY 4.0)\n"
           "// and data/place_aliases.json.\n"
           "#include \"atlas/atlas_data.h\"\n\nnamespace grahavani {\nnamespace {\n\n"
           "constexpr AtlasPlace kPlaces[] = {\n";
    for (const auto& city : cities) {
        out << "    {" << View(city.name) << ", " << View(city.state) << ", " << View(city.country) << ", "
            << View(city.countryCode) << ", " << View(city.timeZone) << ", " << Number(city.latitude) << ", "
            << Number(city.longitude) << ", " << city.population << "u},\n";
    }
    out << "};\n\nconstexpr PlaceAlias kAliases[] = {\n";
    for (const auto& [alias, index] : aliases) out << "    {" << View(alias) << ", " << index << "u},\n";
    out << "};\n\n}  // namespace\n\n"
           "std::span<const AtlasPlace> AtlasPlaces() { return kPlaces; }\n"
           "std::span<const PlaceAlias> PlaceAliases() { return kAliases; }\n\n"
           "}  // namespace grahavani\n";
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: generate_atlas <place_aliases.json> <place_supplement.json> <generated .cpp>\n";
        return 2;
    }
    try {
        auto cities = ReadCities();
        AddSupplement(argv[2], cities);
        SortByPopulation(cities);
        const auto source = Source(cities, ReadAliases(argv[1], cities));
        std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
        out << source;
        if (!out.flush()) throw ShapeError(std::string(argv[3]) + ": cannot be written");
    } catch (const std::exception& error) {
        std::cerr << "generate_atlas: " << error.what() << "\n";
        std::remove(argv[3]);
        return 1;
    }
    return 0;
}
