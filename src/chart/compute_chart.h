#pragma once
// The one path from a filled birth record to a complete chart result.

#include "model/birth_record.h"
#include "model/chart_result.h"

namespace grahavani {

// Overwrites the chart result field by field; fields that a step cannot reach keep
// the values of the previous chart.
void ComputeChart(const BirthRecord& birth, ChartResult& chart);

}  // namespace grahavani
