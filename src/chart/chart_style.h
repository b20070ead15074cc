#pragma once
// The three regional drawings of a chart.

namespace grahavani {

enum class ChartStyle { North, South, East };

}  // namespace grahavani
