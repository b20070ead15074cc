#include "batch_charts.h"

#include <string>
#include <variant>

#include "chart/compute_chart.h"
#include "chart_json.h"
#include "output/text_report.h"
#include "output/windows1252.h"

namespace grahavani {

namespace {

// Reads the next line into `line`; gives false at the end of the stream. A line
// over the limit is skipped to its end and reported through `tooLong`.
bool ReadLine(std::streambuf& in, std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    int c = in.sbumpc();
    if (c == std::char_traits<char>::eof()) return false;
    for (; c != std::char_traits<char>::eof() && c != '\n'; c = in.sbumpc()) {
        if (line.size() < MaxBatchLineBytes) {
            line += static_cast<char>(c);
        } else {
            tooLong = true;
        }
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

}  // namespace

bool RunBatch(std::istream& in, std::ostream& out, std::ostream& err) {
    bool allComputed = true;
    std::string line;
    bool tooLong = false;
    ChartResult chart;
    for (std::size_t number = 1; ReadLine(*in.rdbuf(), line, tooLong); ++number) {
        std::string error;
        if (tooLong) {
            error = "line is longer than " + std::to_string(MaxBatchLineBytes) + " bytes";
        } else {
            const nlohmann::json object = nlohmann::json::parse(line, nullptr, false);
            if (object.is_discarded()) {
                error = "not a JSON object";
            } else {
                auto record = BirthRecordFromJson(object);
                if (auto* birth = std::get_if<BirthRecord>(&record)) {
                    chart = ChartResult{};  // each line is a chart of its own
                    ComputeChart(*birth, chart);
                    const std::string report = FromWindows1252(BuildTextReport(*birth, chart));
                    out << ChartResultToJson(chart, report).dump() << '\n';
                    continue;
                }
                error = std::get<std::string>(record);
            }
        }
        allComputed = false;
        err << "line " << number << ": " << error << '\n';
        out << nlohmann::json{{"line", number}, {"error", error}}.dump() << '\n';
    }
    return allComputed;
}

}  // namespace grahavani
