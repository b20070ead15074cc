#include "batch_charts.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "chart/compute_chart.h"
#include "chart_json.h"
#include "engines/precise/birth_instant.h"
#include "formats/text_report.h"
#include "formats/windows1252.h"

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

// Splits a stream into lines through a buffer of its own. A line over the limit is
// skipped to its end and marked too long, never held whole.
class LineReader {
public:
    explicit LineReader(std::streambuf& in) : in_(in), buffer_(1 << 16) {}

    // Gives false at the end of the stream.
    bool Next(InputLine& line) {
        line.text.clear();
        line.tooLong = false;
        bool sawAnything = false;
        for (;;) {
            if (next_ == end_ && !Refill()) return sawAnything;
            sawAnything = true;
            const char* newline = static_cast<const char*>(std::memchr(next_, '\n', end_ - next_));
            const char* stop = newline ? newline : end_;
            const std::size_t room = MaxBatchLineBytes - line.text.size();
            const auto length = static_cast<std::size_t>(stop - next_);
            line.text.append(next_, std::min(length, room));
            line.tooLong = line.tooLong || length > room;
            next_ = newline ? newline + 1 : end_;
            if (newline) break;
        }
        if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
        return true;
    }

private:
    bool Refill() {
        const auto read = in_.sgetn(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        next_ = buffer_.data();
        end_ = next_ + (read > 0 ? read : 0);
        return read > 0;
    }

    std::streambuf& in_;
    std::vector<char> buffer_;
    const char* next_ = nullptr;
    const char* end_ = nullptr;
};

void ComputeLine(const InputLine& line, std::size_t number, const ChartOptions& options,
                 ChartJsonWriter& writer, LineResult& result) {
    result.error.clear();
    auto record = line.tooLong
                      ? std::variant<BirthRecord, std::string>(
                            "line is longer than " + std::to_string(MaxBatchLineBytes) + " bytes")
                      : BirthRecordFromJson(line.text);
    if (const auto* birth = std::get_if<BirthRecord>(&record);
        birth && options.engine == Engine::Precise) {
        if (auto problem = CheckPreciseBirthRecord(*birth)) record = std::move(*problem);
    }
    if (const auto* birth = std::get_if<BirthRecord>(&record)) {
        ChartResult chart;  // each line is a chart of its own
        ComputeChart(*birth, chart, options);
        result.output = writer.Line(chart, FromWindows1252(BuildTextReport(*birth, chart)));
        return;
    }
    result.error = std::get<std::string>(record);
    result.output = nlohmann::json{{"line", number}, {"error", result.error}}.dump();
}

class ChunkWorkers {
public:
    explicit ChunkWorkers(const ChartOptions& options)
        : options_(options),
          writers_(std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8)) {}

    // Computes lines [0, count) of the chunk whose first line has the given number.
    void Compute(const std::vector<InputLine>& lines, std::size_t count, std::size_t firstNumber,
                 std::vector<LineResult>& results) {
        const std::size_t workers = std::min(writers_.size(), std::max<std::size_t>(count / 64, 1));
        const auto computeShare = [&](std::size_t worker) {
            for (std::size_t i = count * worker / workers; i < count * (worker + 1) / workers; ++i) {
                ComputeLine(lines[i], firstNumber + i, options_, writers_[worker], results[i]);
            }
        };
        std::vector<std::jthread> threads;
        for (std::size_t worker = 1; worker < workers; ++worker) {
            threads.emplace_back(computeShare, worker);
        }
        computeShare(0);
    }

private:
    ChartOptions options_;
    std::vector<ChartJsonWriter> writers_;
};

}  // namespace

bool RunBatch(std::istream& in, std::ostream& out, std::ostream& err,
              const ChartOptions& options) {
    bool allComputed = true;
    std::vector<InputLine> lines(ChunkLines);
    std::vector<LineResult> results(ChunkLines);
    ChunkWorkers workers(options);
    LineReader reader(*in.rdbuf());
    for (std::size_t firstNumber = 1;; firstNumber += ChunkLines) {
        std::size_t count = 0;
        while (count < ChunkLines && reader.Next(lines[count])) ++count;
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
