#include "batch_charts.h"

#include <algorithm>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "chart/compute_chart.h"
#include "chart_json.h"
#include "output/text_report.h"
#include "output/windows1252.h"

namespace grahavani {

namespace {

// Lines are read and written in chunks of this many; the charts of a chunk are shared
// out among the cores, and the results keep the order of the input.
constexpr std::size_t ChunkLines = 2048;

struct InputLine {
    std::string text;
    bool tooLong = false;
};

struct LineResult {
    std::string output;  // the JSON object, without its line end
    std::string error;   // empty when the line gave a chart
};

// Reads the next line; gives false at the end of the stream. A line over the limit
// is skipped to its end and marked too long, never held whole.
bool ReadLine(std::streambuf& in, InputLine& line) {
    line.text.clear();
    line.tooLong = false;
    int c = in.sbumpc();
    if (c == std::char_traits<char>::eof()) return false;
    for (; c != std::char_traits<char>::eof() && c != '\n'; c = in.sbumpc()) {
        if (line.text.size() < MaxBatchLineBytes) {
            line.text += static_cast<char>(c);
        } else {
            line.tooLong = true;
        }
    }
    if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
    return true;
}

void ComputeLine(const InputLine& line, std::size_t number, ChartJsonWriter& writer,
                 LineResult& result) {
    result.error.clear();
    auto record = line.tooLong
                      ? std::variant<BirthRecord, std::string>(
                            "line is longer than " + std::to_string(MaxBatchLineBytes) + " bytes")
                      : BirthRecordFromJson(line.text);
    if (const auto* birth = std::get_if<BirthRecord>(&record)) {
        ChartResult chart;  // each line is a chart of its own
        ComputeChart(*birth, chart);
        result.output = writer.Line(chart, FromWindows1252(BuildTextReport(*birth, chart)));
        return;
    }
    result.error = std::get<std::string>(record);
    result.output = nlohmann::json{{"line", number}, {"error", result.error}}.dump();
}

class ChunkWorkers {
public:
    ChunkWorkers()
        : writers_(std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8)) {}

    // Computes lines [0, count) of the chunk whose first line has the given number.
    void Compute(const std::vector<InputLine>& lines, std::size_t count, std::size_t firstNumber,
                 std::vector<LineResult>& results) {
        const std::size_t workers = std::min(writers_.size(), std::max<std::size_t>(count / 64, 1));
        const auto computeShare = [&](std::size_t worker) {
            for (std::size_t i = count * worker / workers; i < count * (worker + 1) / workers; ++i) {
                ComputeLine(lines[i], firstNumber + i, writers_[worker], results[i]);
            }
        };
        std::vector<std::jthread> threads;
        for (std::size_t worker = 1; worker < workers; ++worker) {
            threads.emplace_back(computeShare, worker);
        }
        computeShare(0);
    }

private:
    std::vector<ChartJsonWriter> writers_;
};

}  // namespace

bool RunBatch(std::istream& in, std::ostream& out, std::ostream& err) {
    bool allComputed = true;
    std::vector<InputLine> lines(ChunkLines);
    std::vector<LineResult> results(ChunkLines);
    ChunkWorkers workers;
    for (std::size_t firstNumber = 1;; firstNumber += ChunkLines) {
        std::size_t count = 0;
        while (count < ChunkLines && ReadLine(*in.rdbuf(), lines[count])) ++count;
        if (count == 0) break;
        workers.Compute(lines, count, firstNumber, results);
        for (std::size_t i = 0; i < count; ++i) {
            if (!results[i].error.empty()) {
                allComputed = false;
                err << "line " << firstNumber + i << ": " << results[i].error << '\n';
            }
            out << results[i].output << '\n';
        }
        if (count < ChunkLines) break;
    }
    return allComputed;
}

}  // namespace grahavani
