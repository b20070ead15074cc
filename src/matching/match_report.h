#pragma once
// The kundali matching of two computed charts as a text report: both births, the ashtakoota
// table with its total, verdict and notes, each chart's Manglik and the poruthams. The command
// line and the desktop write the same text. In Hindi and Tamil the labels, names and notes are
// the language's and the columns line up by the characters a monospaced reader shows.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "matching/chart_match.h"
#include "matching/manglik.h"
#include "model/birth_record.h"
#include "model/chart_result.h"
#include "model/language.h"

namespace grahavani {

struct MatchedChart {
    BirthRecord Birth;
    ChartResult Chart;
};

// A score as the report writes it: "3", "0.5".
std::string ScoreText(double score);
// "August 15, 1947 at 00:00 in New Delhi, Delhi, India"; in Hindi and Tamil the date reads
// day, month, year.
std::string BirthSummary(const BirthRecord& birth, Language language = Language::English);
// "Manglik, Mars 7th from the Moon (Mars 1st from the lagna, 7th from the Moon, 4th from Venus)",
// or "not Manglik (Mars …)".
std::string ManglikSummary(const Manglik& manglik, Language language = Language::English);
// A koota's class of one side (a KootaName's Koota::Boy or Girl) in `language`: "वैश्य".
std::string_view KootaClassIn(Language language, std::size_t koota, std::string_view englishClass);

// A koota's label (KootaLabels), a porutham's (PoruthamLabels) and a verdict (AshtakootaVerdict)
// in `language`.
std::string_view KootaLabelIn(std::size_t koota, Language language);
std::string_view PoruthamLabelIn(std::size_t porutham, Language language);
std::string_view VerdictIn(std::string_view verdict, Language language);
// The match's notes in `language`; in English, those it holds.
std::vector<std::string> MatchNotesIn(const ChartMatch& match, Language language);

// The UTF-8 text report, lines ending in LF.
std::string MatchTextReport(const MatchedChart& boy, const MatchedChart& girl,
                            Language language = Language::English);

}  // namespace grahavani
