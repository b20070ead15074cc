#pragma once
// Birth records and chart results as JSON objects, under the records' own field names.

#include <nlohmann/json.hpp>
#include <string>
#include <variant>

#include "chart/birth_record.h"
#include "chart/chart_result.h"

namespace grahavani {

// The birth record of a JSON object, or a message that says which field is wrong.
std::variant<BirthRecord, std::string> BirthRecordFromJson(const nlohmann::json& object);

// Every chart result field, and the report text under "Report".
nlohmann::json ChartResultToJson(const ChartResult& chart, const std::string& reportText);

}  // namespace grahavani
