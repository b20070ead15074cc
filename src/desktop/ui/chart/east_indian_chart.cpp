#include "desktop/ui/chart/east_indian_chart.h"

namespace grahavani {

EastIndianChart::EastIndianChart(QWidget* chartFrame)
    : ChartDrawing(chartFrame, "picRashiEast", {360, 1200}, ChartStyle::East, "lblEast") {}

}  // namespace grahavani
