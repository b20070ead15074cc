#pragma once
// The classic engine as one step: the ascendant, the Moon and the planets, in the order
// their values feed each other.

#include "engines/chart_engine.h"

namespace grahavani {

void ComputeClassicEngine(const BirthRecord& birth, const ChartOptions& options,
                          ChartResult& chart);

}  // namespace grahavani
