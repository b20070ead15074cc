#pragma once
// Birth records and chart results as JSON lines, under the records' own field names.

#include <nlohmann/json.hpp>
#include <array>
#include <cstdint>
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
#include "timing_output.h"

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
// texts, the day counts, the engine and its ephemeris, "UniversalTime" (ISO 8601),
// "Longitudes" by body name, "MoonPada" (the quarter the Moon stands in), "Planets" (the
// planet table by body name), "Panchang", "Navamsa" and "Vimshottari" (times local to the birth
// place's clock), for the precise engine "Retrograde" of the five planets and, for a record from
// the atlas, "Place", "TimeZone", "ZoneOffsetSeconds" and "DaylightSaving" of the clock in force.
// One document is kept and refilled, so that once warm a line allocates only the planet
// table it computes.
class ChartJsonWriter {
public:
    // Without timing the lines leave out "Panchang", "Navamsa" and "Vimshottari".
    explicit ChartJsonWriter(const std::optional<TimingOutput>& timing = TimingOutput{});
    // The object for one chart, as one line of text without its line end; `timing` is
    // given when the writer was made with timing.
    const std::string& Line(const ChartResult& chart, const std::string& reportText,
                            const ChartTiming* timing, const ChartPlace* place = nullptr);
    // Whether the last line's --dasha-at moment lay outside the mahadashas it wrote.
    bool DashaAtOutsidePeriods() const { return false; }

private:
    void FillRetrograde(const ChartResult& chart);
    void FillPlanets(const ChartResult& chart);
    void FillTiming(const ChartTiming& timing);
    void FillPlace(const ChartPlace* place);

    nlohmann::json document_;
    // The document's values, found once: the map's nodes never move.

    std::array<double*, 8> numbers_{};
    std::array<std::string*, 17> texts_{};
    std::array<nlohmann::json*, 2> textLists_{};
    std::array<double*, BodyCount> longitudes_{};
    bool* zoneSignFromHemisphere_ = nullptr;
    std::int64_t* moonPada_ = nullptr;
    struct PlanetValues {
        double* Longitude = nullptr;
        std::string* Sign = nullptr;
        double* Degrees = nullptr;
        std::string* Text = nullptr;
        std::string* Nakshatra = nullptr;
        std::int64_t* Pada = nullptr;
        std::string* NakshatraLord = nullptr;
        std::int64_t* House = nullptr;
        nlohmann::json* Dignity = nullptr;  // a text, or null where the body has none
        nlohmann::json* Retrograde = nullptr;
        nlohmann::json* Combust = nullptr;
    };
    std::array<PlanetValues, PlanetTableRows> planets_{};
    std::array<bool*, 5> retrograde_{};  // set while the document holds "Retrograde"
    std::array<std::int64_t*, 2> panchangNumbers_{};
    std::array<std::string*, 5> panchangTexts_{};
    nlohmann::json* sunrise_ = nullptr;
    std::array<std::string*, 10> navamsa_{};
    double* yearDays_ = nullptr;
    struct PeriodTexts {
        std::string* Lord = nullptr;
        std::string* Start = nullptr;
        std::string* End = nullptr;
    };
    std::array<PeriodTexts, 9> periods_{};
    std::array<std::array<PeriodTexts, 9>, 9> antardashas_{};
    bool hasPlace_ = false;
    std::string line_;
};

}  // namespace grahavani
