#pragma once
// The 26-line text report of a computed chart, in the reader's language.

#include <string>

#include "model/birth_record.h"
#include "model/chart_result.h"
#include "model/language.h"

namespace grahavani {

// The report's bytes, with CR LF line ends; lines 9 and 20 hold a lone CR. In English,
// Windows-1252, where characters the code page lacks become "?"; in Hindi and Tamil, UTF-8
// without a byte-order mark, the date written day, month, year and each position with its
// sign's full name.
std::string BuildTextReport(const BirthRecord& birth, const ChartResult& chart,
                            Language language = Language::English);

// The same report as UTF-8 text, as a JSON document carries it.
std::string TextReportText(const BirthRecord& birth, const ChartResult& chart, Language language);

}  // namespace grahavani
