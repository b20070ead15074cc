#pragma once
// Birth records and chart results as JSON lines, under the records' own field names.

#include <nlohmann/json.hpp>
#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "model/birth_record.h"
#include "model/chart_result.h"

namespace grahavani {

// The birth record of one JSON object, or a message that says what is wrong with it.
// Reads the text straight into the record, without building a document first.
std::variant<BirthRecord, std::string> BirthRecordFromJson(std::string_view line);

// Writes chart results as JSON objects with the chart result's fields and "Report": the
// texts, the day counts, the engine and its ephemeris, "UniversalTime" (ISO 8601),
// "Longitudes" by body name and, for the precise engine, "Retrograde" of the five planets.
// One document is kept and refilled, so a line costs no allocations once warm.
class ChartJsonWriter {
public:
    ChartJsonWriter();
    // The object for one chart, as one line of text without its line end.
    const std::string& Line(const ChartResult& chart, const std::string& reportText);

private:
    nlohmann::json document_;
    // The document's values, found once: the map's nodes never move.
    void FillRetrograde(const ChartResult& chart);

    std::array<double*, 8> numbers_{};
    std::array<std::string*, 17> texts_{};
    std::array<nlohmann::json*, 2> textLists_{};
    std::array<double*, BodyCount> longitudes_{};
    bool* zoneSignFromHemisphere_ = nullptr;
    std::array<bool*, 5> retrograde_{};  // set while the document holds "Retrograde"
    std::string line_;
};

}  // namespace grahavani
