#pragma once
// grahavani-chart --match: the charts of two chart files, the boy's and the girl's, matched,
// as a text report or one JSON line.

#include <ostream>
#include <string>

#include "matching/match_report.h"
#include "model/chart_options.h"
#include "model/language.h"

namespace grahavani {

// Computes the chart of one file's birth as --open would; false after a message naming the file.
bool ComputeMatchedChart(const std::string& path, const ChartOptions& options, MatchedChart& matched,
                         std::ostream& err);

// One JSON line, ending in LF: its keys and codes English, its verdict and notes in `language`.
std::string MatchJsonLine(const MatchedChart& boy, const MatchedChart& girl, Language language = Language::English);

}  // namespace grahavani
