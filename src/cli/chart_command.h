#pragma once
// The command grahavani-chart: one chart from arguments, a chart file, or a batch
// of JSON lines. Exit status 0 on success, 1 for birth data that cannot be
// computed, 2 for bad arguments.

#include <ostream>

#include "pdf_printers.h"

namespace grahavani {

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitBadBirthData = 1;
inline constexpr int ExitBadArguments = 2;

// `printers` write the PDFs of --pdf; without them --pdf is refused.
int RunChartCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                    const PdfPrinters& printers = {});

}  // namespace grahavani
