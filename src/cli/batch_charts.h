#pragma once
// Charts for a stream of birth records, one JSON object per line in and out. Memory
// stays flat whatever the stream holds: lines are taken in chunks bounded by count and
// by bytes, and a line longer than MaxBatchLineBytes is refused without being held.

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>

#include "model/chart_options.h"
#include "model/language.h"
#include "timing_output.h"
#include "varga_output.h"

namespace grahavani {

inline constexpr std::size_t MaxBatchLineBytes = 1 << 16;

// The most bytes one chart line with this timing can write (a long name, note or place aside),
// and so the lines a chunk takes: lines with deep dashas are taken few at a time.
std::size_t BatchLineBytesAtMost(const std::optional<TimingOutput>& timing, VargaOutput vargas = {});
std::size_t BatchChunkLines(const std::optional<TimingOutput>& timing, VargaOutput vargas = {});

// Writes a chart or {"line": N, "error": "..."} for each input line; tells `err`
// about each bad line, and about a line whose place's clock needs a word. Each chart
// carries its timing (panchang, navamsa, dashas as `timing` says) unless `timing` is
// none, and the vargas and strengths `vargas` asks for; its texts for a reader, "Report" among
// them, are in `language`. Stops once `out` fails. Returns whether every line gave a chart.
bool RunBatch(std::istream& in, std::ostream& out, std::ostream& err,
              const ChartOptions& options = {},
              const std::optional<TimingOutput>& timing = TimingOutput{}, VargaOutput vargas = {},
              Language language = Language::English);

}  // namespace grahavani
