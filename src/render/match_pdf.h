#pragma once
// The kundali matching of two charts as a PDF: the same births, ashtakoota, notes, Manglik and
// poruthams as the text report, on one or two pages. Needs a QGuiApplication.

#include <string>

#include "chart/horoscope.h"
#include "matching/match_report.h"
#include "model/language.h"

namespace grahavani {

// The file's bytes, every text but the births' own data in `language`.
std::string MatchPdf(const MatchedChart& boy, const MatchedChart& girl, Paper paper,
                     Language language = Language::English);

}  // namespace grahavani
