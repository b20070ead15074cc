#pragma once
// The kundali matching of two computed charts as a text report: both births, the ashtakoota
// table with its total, verdict and notes, each chart's Manglik and the poruthams. The command
// line and the desktop write the same text.

#include <string>

#include "matching/manglik.h"
#include "model/birth_record.h"
#include "model/chart_result.h"

namespace grahavani {

struct MatchedChart {
    BirthRecord Birth;
    ChartResult Chart;
};

// A score as the report writes it: "3", "0.5".
std::string ScoreText(double score);
// "August 15, 1947 at 00:00 in New Delhi, Delhi, India"
std::string BirthSummary(const BirthRecord& birth);
// "Manglik, Mars 7th from the Moon (Mars 1st from the lagna, 7th from the Moon, 4th from Venus)",
// or "not Manglik (Mars …)".
std::string ManglikSummary(const Manglik& manglik);

// The UTF-8 text report, lines ending in LF.
std::string MatchTextReport(const MatchedChart& boy, const MatchedChart& girl);

}  // namespace grahavani
