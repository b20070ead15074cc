#pragma once
// Birth records and chart results as JSON lines, under the records' own field names.

#include <nlohmann/json.hpp>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "atlas/atlas_data.h"
#include "atlas/local_clock.h"
#include "chart/chart_timing.h"
#include "chart/planet_table.h"
#include "model/birth_record.h"
#include "model/chart_result.h"
#include "model/language.h"
#include "vargas/shadbala.h"
#include "timing_output.h"
#include "varga_output.h"

namespace grahavani {

// One batch line: a birth record, or its date and time with the text of a place to look up.
struct BatchRecord {
    BirthRecord Birth;
    std::optional<std::string> Place;  // the place, zone and daylight-saving fields are then empty
    int Fold = 0;                      // for an hour that happened twice: 0 the earlier, 1 the later
};

// The record of one JSON object, or a message that says what is wrong with it. Reads the
// text straight into the record, without building a document first.
std::variant<BatchRecord, std::string> BatchRecordFromJson(std::string_view line);

// An atlas place as the command writes it: Name, State, Country, Latitude, Longitude,
// TimeZone, Population.
nlohmann::json PlaceJson(const AtlasPlace& place);

// The atlas place a chart's record came from, and the clock it kept at the birth.
struct ChartPlace {
    const AtlasPlace* Place = nullptr;
    ZoneClock Clock;
    std::string Note;  // "PlaceNote": which place a text that matched several was taken for; else empty
};

// Writes chart results as JSON objects with the chart result's fields and "Report": the
// texts, the day counts, the engine, its ephemeris and "AyanamsaName", "UniversalTime" (ISO 8601),
// "Longitudes" by body name, "MoonPada" (the quarter the Moon stands in), "Planets" (the
// planet table by body name), "Panchang", "Navamsa" and the dashas the timing asks for (times
// local to the birth place's clock), for the precise engine "Retrograde" of the five planets and,
// for a record from the atlas, "Place", "TimeZone", "ZoneOffsetSeconds" and "DaylightSaving" of
// the clock in force, and the "Vargas", "Ashtakavarga" and "Shadbala" asked for. Keys stand in byte order, as a JSON document's would. The line is written
// straight into one buffer, kept from line to line; only free texts go through the JSON
// library's escaping.
// What the command and the batch say about a line whose moment for "Running" lies outside a
// system's mahadashas.
inline constexpr std::string_view DashaAtOutsideNote =
    "the moment of --dasha-at lies outside the mahadashas written, so \"Running\" is null";

class ChartJsonWriter {
public:
    // Without timing the lines leave out "Panchang", "Navamsa" and the dashas; `vargas` says
    // which of "Vargas", "Ashtakavarga" and "Shadbala" they hold. In another language than
    // English only the texts for a reader change: the values of the "…Text" keys and
    // "LagnaName", "PlanetTexts" and "PositionTexts"; keys, codes and numbers stay.
    explicit ChartJsonWriter(const std::optional<TimingOutput>& timing = TimingOutput{},
                             VargaOutput vargas = {}, Language language = Language::English);
    ~ChartJsonWriter();
    ChartJsonWriter(ChartJsonWriter&&) noexcept;
    ChartJsonWriter& operator=(ChartJsonWriter&&) noexcept;

    // The object for one chart, as one line of text without its line end; `timing` is
    // given when the writer was made with timing, `shadbala` when with the shadbala.
    const std::string& Line(const ChartResult& chart, const std::string& reportText,
                            const ChartTiming* timing, const ChartPlace* place = nullptr,
                            const Shadbala* shadbala = nullptr);
    // The same object appended to `out`.
    void Append(const ChartResult& chart, const std::string& reportText, const ChartTiming* timing,
                const ChartPlace* place, std::string& out, const Shadbala* shadbala = nullptr);

    // Whether the last line's moment for "Running" fell outside some system's mahadashas.
    bool DashaAtOutsidePeriods() const { return dashaAtOutside_; }

    struct TextEscaper;

private:
    std::optional<TimingOutput> timing_;
    VargaOutput vargas_;
    Language language_;
    std::unique_ptr<TextEscaper> escaper_;
    std::string position_;  // a position text in the language, kept from text to text
    bool dashaAtOutside_ = false;
    std::string line_;
};

}  // namespace grahavani
