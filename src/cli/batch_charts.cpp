#include "batch_charts.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <exception>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "atlas/place_birth_record.h"
#include "atlas/zone_direction.h"
#include "chart/chart_timing.h"
#include "chart/compute_chart.h"
#include "chart/shadbala_input.h"
#include "chart_json.h"
#include "engines/precise/birth_instant.h"
#include "engines/precise/ephemeris_failure.h"
#include "place_lookup.h"
#include "formats/text_report.h"

namespace grahavani {

namespace {

// Lines are read and written in chunks of at most ChunkLines lines, about ChunkBytes bytes
// of input and about ChunkOutputBytes bytes of output, as their timing says; the charts of a
// chunk are shared out among the cores, and the results keep the order of the input.
// Ordinary records fill a chunk by count long before its bytes: a chart line is some 11 KB
// with its timing to the antardasha and 4 KB without, a chunk's output 1 to 2 MB. A line
// with every dasha to the prana dasha is some 25 MB, and a chunk then holds one.
constexpr std::size_t ChunkLines = 256;
constexpr std::size_t ChunkBytes = 1 << 20;
constexpr std::size_t ChunkOutputBytes = 3 << 20;
// A worker's output of one chunk is a few megabytes at most; a larger buffer, left by
// lines of long names, is given back rather than kept for the rest of the stream.
constexpr std::size_t KeptOutputBytes = 4 << 20;

struct LineSpan {
    std::size_t offset = 0;  // in the chunk's text
    std::size_t length = 0;
    bool tooLong = false;
};

// A line is held with its carriage return, if any, until its end is found: the limit
// counts the line without it.
constexpr std::size_t MaxHeldLineBytes = MaxBatchLineBytes + 1;

// The lines of one chunk, held end to end in one buffer that never grows past
// ChunkBytes plus one line.
struct Chunk {
    Chunk() { text.reserve(ChunkBytes + MaxHeldLineBytes + 1); }
    std::string text;
    std::vector<LineSpan> lines;
};

// Splits a stream into lines through a buffer of its own. A line over the limit is
// skipped to its end and marked too long, never held whole.
class LineReader {
public:
    explicit LineReader(std::streambuf& in) : in_(in), buffer_(1 << 16) {}

    // Appends the next line to `text`; gives false at the end of the stream.
    bool Next(std::string& text, LineSpan& line) {
        line = {text.size(), 0, false};
        bool sawAnything = false;
        for (;;) {
            if (next_ == end_ && !Refill()) break;
            sawAnything = true;
            const char* newline = static_cast<const char*>(std::memchr(next_, '\n', end_ - next_));
            const char* stop = newline ? newline : end_;
            if (!line.tooLong) {
                const std::size_t room = MaxHeldLineBytes + 1 - (text.size() - line.offset);
                text.append(next_, std::min<std::size_t>(stop - next_, room));
                if (text.size() - line.offset > MaxHeldLineBytes) {
                    line.tooLong = true;
                    text.resize(line.offset);
                }
            }
            next_ = newline ? newline + 1 : end_;
            if (newline) break;
        }
        if (!sawAnything) return false;
        if (text.size() > line.offset && text.back() == '\r') text.pop_back();
        if (text.size() - line.offset > MaxBatchLineBytes) {
            line.tooLong = true;
            text.resize(line.offset);
        }
        line.length = text.size() - line.offset;
        return true;
    }

private:
    bool Refill() {
        if (ended_) return false;
        const auto read = in_.sgetn(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        next_ = buffer_.data();
        end_ = next_ + (read > 0 ? read : 0);
        ended_ = read <= 0;
        return !ended_;
    }

    std::streambuf& in_;
    std::vector<char> buffer_;
    const char* next_ = nullptr;
    const char* end_ = nullptr;
    bool ended_ = false;
};

// A line's record ready for its chart, with the place it came from, if any; or what is wrong.
struct PreparedRecord {
    BirthRecord Birth;
    std::optional<ChartPlace> Place;
    std::string Notice;  // said about the line without making it fail
};

std::variant<PreparedRecord, std::string> PrepareRecord(std::string_view text, const LineSpan& line,
                                                        const ChartOptions& options) {
    if (line.tooLong) return "line is longer than " + std::to_string(MaxBatchLineBytes) + " bytes";
    auto parsed = BatchRecordFromJson(text.substr(line.offset, line.length));
    if (auto* error = std::get_if<std::string>(&parsed)) return std::move(*error);
    BatchRecord& record = std::get<BatchRecord>(parsed);
    PreparedRecord prepared{std::move(record.Birth), std::nullopt, {}};
    if (record.Place) {
        const auto found = FindBirthPlace(*record.Place);
        if (const auto* error = std::get_if<std::string>(&found)) return *error;
        const FoundPlace& foundPlace = std::get<FoundPlace>(found);
        const AtlasPlace& place = *foundPlace.Place;
        auto entered = EnterPlaceInRecord(place, record.Fold, prepared.Birth);
        if (auto* error = std::get_if<std::string>(&entered)) return std::move(*error);
        auto& clock = std::get<PlaceClockInForce>(entered);
        prepared.Place = ChartPlace{&place, clock.Clock, foundPlace.OtherMatches > 0 ? FoundPlaceText(foundPlace) : ""};
        prepared.Notice = prepared.Place->Note;
        if (!clock.Notice.empty()) {
            if (!prepared.Notice.empty()) prepared.Notice += "; ";
            prepared.Notice += clock.Notice;
        }
        if (options.engine == Engine::Classic &&
            ClassicReadsZoneBackwards(clock.Clock.OffsetSeconds, prepared.Birth.IsEast)) {
            if (!prepared.Notice.empty()) prepared.Notice += ' ';
            prepared.Notice += ClassicZoneWarningText(place.Name, clock.Clock.OffsetSeconds,
                                                      prepared.Birth.IsEast);
        }
    }
    if (options.engine == Engine::Precise) {
        if (auto problem = CheckPreciseBirthRecord(prepared.Birth)) return std::move(*problem);
    }
    return prepared;
}

// One core's share of a chunk: its lines' output and the messages about its lines, each end
// to end, so a chunk costs few writes however many lines are bad.
struct WorkerShare {
    WorkerShare(const std::optional<TimingOutput>& timingOutput, VargaOutput vargas, Language language)
        : writer(timingOutput, vargas, language), vargas(vargas), language(language) {}

    ChartJsonWriter writer;
    VargaOutput vargas;
    Language language;
    std::string output;
    std::string messages;
    bool allComputed = true;

    void Compute(std::string_view text, const LineSpan& line, std::size_t number,
                 const ChartOptions& options, const std::optional<TimingOutput>& timingOutput) {
        // Whatever a line's place or zone throws stays that line's error: escaping a worker's
        // thread would end the program.
        std::variant<PreparedRecord, std::string> record;
        try {
            record = PrepareRecord(text, line, options);
        } catch (const std::exception& error) {
            record = std::string("cannot be prepared: ") + error.what();
        }
        std::string error;
        if (const auto* prepared = std::get_if<PreparedRecord>(&record)) {
            try {
                AppendChart(*prepared, number, options, timingOutput);
                return;
            } catch (const EphemerisFailure& failure) {
                error = failure.what();
            }
        } else {
            error = std::move(std::get<std::string>(record));
        }
        output += nlohmann::json{{"line", number}, {"error", error}}.dump();
        output += '\n';
        messages += "line " + std::to_string(number) + ": " + error + '\n';
        allComputed = false;
    }

    // Throws EphemerisFailure, having written nothing, where the library cannot compute it.
    void AppendChart(const PreparedRecord& prepared, std::size_t number, const ChartOptions& options,
                     const std::optional<TimingOutput>& timingOutput) {
        // A line of megabytes gets its room at once: doubling the buffer as it grew would hold
        // the old one and the new one, twice its size, at the same moment.
        const std::size_t lineBytes = BatchLineBytesAtMost(timingOutput, vargas);
        if (lineBytes > KeptOutputBytes) output.reserve(output.size() + lineBytes);
        ChartResult chart;  // each line is a chart of its own
        ComputeChart(prepared.Birth, chart, options);
        std::optional<ChartTiming> timing;
        if (timingOutput) {
            timing = ComputeChartTiming(prepared.Birth, chart, timingOutput->Year, timingOutput->Sunrise);
        }
        std::optional<Shadbala> shadbala;
        if (vargas.Shadbala) {
            const SunriseRule rule = timingOutput ? timingOutput->Sunrise : SunriseRule::ApparentLimb;
            shadbala = ComputeShadbala(ShadbalaInputOf(prepared.Birth, chart, rule));
        }
        writer.Append(chart, TextReportText(prepared.Birth, chart, language),
                      timing ? &*timing : nullptr, prepared.Place ? &*prepared.Place : nullptr, output,
                      shadbala ? &*shadbala : nullptr);
        output += '\n';
        const auto tell = [&](std::string_view notice) {
            if (notice.empty()) return;
            messages.append("line ").append(std::to_string(number)).append(": ").append(notice) += '\n';
        };
        tell(prepared.Notice);
        tell(chart.EphemerisNotice);
        if (timing) tell(timing->EphemerisNotice);
        if (writer.DashaAtOutsidePeriods()) tell(DashaAtOutsideNote);
    }

    void Clear() {
        for (std::string* text : {&output, &messages}) {
            if (text->capacity() > KeptOutputBytes) {
                std::string().swap(*text);
            } else {
                text->clear();
            }
        }
        allComputed = true;
    }
};

// Computes chunks on every core and writes each while the next is computed, where two chunks'
// output fits the memory bound; the results keep the order of the input.
class ChunkWorkers {
public:
    ChunkWorkers(const ChartOptions& options, const std::optional<TimingOutput>& timingOutput,
                 VargaOutput vargas, Language language)
        : options_(options), timingOutput_(timingOutput),
          writeWhileComputing_(2 * BatchChunkLines(timingOutput, vargas) *
                                   BatchLineBytesAtMost(timingOutput, vargas) <=
                               OverlappedOutputBytes) {
        const std::size_t cores = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
        for (auto& shares : shares_) {
            shares.reserve(cores);
            for (std::size_t core = 0; core < cores; ++core) shares.emplace_back(timingOutput, vargas, language);
        }
    }

    // Computes the chunk whose first line has the given number on every core while this thread
    // writes the previous chunk's results (this one's too, where two chunks would not fit).
    // Gives false once `out` has failed. The writes stay on this thread, whose errno tells
    // why a write failed.
    bool Run(const Chunk& chunk, std::size_t firstNumber, std::ostream& out, std::ostream& err) {
        std::vector<WorkerShare>& shares = shares_[current_];
        const std::size_t count = chunk.lines.size();
        // A core for every 16 lines or so: fewer would cost more in threads than they save.
        const std::size_t workers = std::min(shares.size(), std::max<std::size_t>(count / 16, 1));
        const auto computeShare = [&](std::size_t worker) {
            for (std::size_t i = count * worker / workers; i < count * (worker + 1) / workers; ++i) {
                shares[worker].Compute(chunk.text, chunk.lines[i], firstNumber + i, options_,
                                       timingOutput_);
            }
        };
        {
            std::vector<std::jthread> threads;
            for (std::size_t worker = 0; worker < workers; ++worker) {
                threads.emplace_back(computeShare, worker);
            }
            Write(out, err);
        }
        for (std::size_t worker = 0; worker < workers; ++worker) {
            allComputed_ = allComputed_ && shares[worker].allComputed;
        }
        pending_ = {current_, workers};
        current_ ^= 1;
        if (!writeWhileComputing_) Write(out, err);
        return static_cast<bool>(out);
    }

    // The results computed and not yet written.
    void Write(std::ostream& out, std::ostream& err) {
        if (!pending_) return;
        for (std::size_t worker = 0; worker < pending_->workers; ++worker) {
            WorkerShare& share = shares_[pending_->shares][worker];
            err.write(share.messages.data(), static_cast<std::streamsize>(share.messages.size()));
            if (out) out.write(share.output.data(), static_cast<std::streamsize>(share.output.size()));
            share.Clear();
        }
        pending_.reset();
    }

    bool AllComputed() const { return allComputed_; }

private:
    // Two chunks' output, beside the program's own ten megabytes, within 64 MB.
    static constexpr std::size_t OverlappedOutputBytes = 48 << 20;

    ChartOptions options_;
    const std::optional<TimingOutput>& timingOutput_;
    bool writeWhileComputing_;
    std::array<std::vector<WorkerShare>, 2> shares_;  // one computed while the other is written
    std::size_t current_ = 0;  // the shares the next chunk is computed into
    struct PendingShares {
        std::size_t shares = 0;
        std::size_t workers = 0;
    };
    std::optional<PendingShares> pending_;
    bool allComputed_ = true;
};

}  // namespace

std::size_t BatchLineBytesAtMost(const std::optional<TimingOutput>& timing, VargaOutput vargas) {
    // A chart with its report, planet table, panchang and navamsa; the sixteen vargas, the
    // ashtakavarga and the shadbala.
    const std::size_t chartBytes = (16 << 10) + (vargas.Vargas ? 9 << 10 : 0) +
                                   (vargas.Ashtakavarga ? 1 << 10 : 0) + (vargas.Shadbala ? 6 << 10 : 0);
    // A period with its two times to the second, its lord and its yogini.
    constexpr std::size_t PeriodBytes = 96;
    if (!timing) return chartBytes;
    // The most mahadashas a system writes: a whole cycle, and those that begin within 120
    // years of a birth that may fall at the very end of the first.
    constexpr std::array<std::size_t, 3> MostMahadashas = {9, 8 * 5, 8 * 3};
    std::size_t periods = 0;
    for (std::size_t system = 0; system < MostMahadashas.size(); ++system) {
        if (!timing->Systems[system]) continue;
        const std::size_t rulers = system == 0 ? 9 : 8;
        for (std::size_t level = 1, count = MostMahadashas[system];
             level <= static_cast<std::size_t>(timing->DashaDepth.value_or(2)); ++level, count *= rulers) {
            periods += count;
        }
    }
    return chartBytes + periods * PeriodBytes;
}

std::size_t BatchChunkLines(const std::optional<TimingOutput>& timing, VargaOutput vargas) {
    return std::clamp<std::size_t>(ChunkOutputBytes / BatchLineBytesAtMost(timing, vargas), 1, ChunkLines);
}

bool RunBatch(std::istream& in, std::ostream& out, std::ostream& err,
              const ChartOptions& options, const std::optional<TimingOutput>& timingOutput,
              VargaOutput vargas, Language language) {
    Chunk chunk;
    ChunkWorkers workers(options, timingOutput, vargas, language);
    const std::size_t chunkLines = BatchChunkLines(timingOutput, vargas);
    LineReader reader(*in.rdbuf());
    LineSpan line;
    for (std::size_t firstNumber = 1;;) {
        chunk.text.clear();
        chunk.lines.clear();
        while (chunk.lines.size() < chunkLines && chunk.text.size() < ChunkBytes &&
               reader.Next(chunk.text, line)) {
            chunk.lines.push_back(line);
        }
        if (chunk.lines.empty() || !workers.Run(chunk, firstNumber, out, err)) break;
        firstNumber += chunk.lines.size();
    }
    workers.Write(out, err);
    return workers.AllComputed();
}

}  // namespace grahavani
