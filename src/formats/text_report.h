#pragma once
// The 26-line text report of a computed chart.

#include <string>

#include "model/birth_record.h"
#include "model/chart_result.h"

namespace grahavani {

// The report's bytes: Windows-1252 with CR LF line ends; lines 9 and 20 hold a lone
// CR. Characters the code page lacks become "?".
std::string BuildTextReport(const BirthRecord& birth, const ChartResult& chart);

}  // namespace grahavani
