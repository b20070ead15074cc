#pragma once
// The kundali matching of two computed charts as a text report: both births, the ashtakoota
// table with its total, verdict and notes, each chart's Manglik and the poruthams. The command
// line and the desktop write the same text.

#include <string>

#include "model/birth_record.h"
#include "model/chart_result.h"

namespace grahavani {

struct MatchedChart {
    BirthRecord Birth;
    ChartResult Chart;
};

// The UTF-8 text report, lines ending in LF.
std::string MatchTextReport(const MatchedChart& boy, const MatchedChart& girl);

}  // namespace grahavani
