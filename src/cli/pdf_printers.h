#pragma once
// What writes the PDFs of grahavani-chart --pdf: the program passes the painted ones; a build
// without Qt (the fuzzers) passes none, and --pdf then says it cannot.

#include <functional>
#include <string>

#include "chart/horoscope.h"
#include "matching/match_report.h"
#include "model/language.h"

namespace grahavani {

struct PdfPrinters {
    // Each gives the PDF file's bytes; the horoscope's language is its own.
    std::function<std::string(const Horoscope&, Paper)> Horoscope;
    std::function<std::string(const MatchedChart& boy, const MatchedChart& girl, Paper, Language)> Match;
};

}  // namespace grahavani
