#pragma once
// grahavani-chart loads no Qt: a command with --pdf is handed, arguments and descriptors
// unchanged, to grahavani-chart-pdf beside it, the same command with the painted PDFs.

#include <ostream>

namespace grahavani {

inline constexpr const char* PdfProgramName = "grahavani-chart-pdf";

// Whether any argument is --pdf (or --pdf=FILE).
bool AsksForPdf(int argc, const char* const* argv);

// Replaces this process by the PDF program; returns, with a message, only where it cannot.
int RunPdfProgram(char** argv, std::ostream& err);

}  // namespace grahavani
