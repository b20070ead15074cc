#pragma once
// The kundali matching of two charts as a PDF: the same births, ashtakoota, notes, Manglik and
// poruthams as the text report, on one or two pages. Needs a QGuiApplication.

#include <string>

#include "chart/horoscope.h"
#include "matching/match_report.h"

namespace grahavani {

// The file's bytes.
std::string MatchPdf(const MatchedChart& boy, const MatchedChart& girl, Paper paper);

}  // namespace grahavani
