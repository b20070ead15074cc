#include "desktop/ui/chart/south_indian_chart.h"

namespace grahavani {

SouthIndianChart::SouthIndianChart(QWidget* chartFrame)
    : ChartDrawing(chartFrame, "picSouthRasi", {360, 1080}, ChartStyle::South, "lblPlanets",
                   "lblSouthPosition") {}

}  // namespace grahavani
