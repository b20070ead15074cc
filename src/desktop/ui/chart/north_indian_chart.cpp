#include "desktop/ui/chart/north_indian_chart.h"

namespace grahavani {

NorthIndianChart::NorthIndianChart(QWidget* chartFrame)
    : ChartDrawing(chartFrame, "picNorthRasi", {240, 1080}, ChartStyle::North, "lblNorthStyle",
                   "lblNorthPosition") {}

void NorthIndianChart::ShowTopSign(std::size_t topSign) {
    const SignRegions regions = RegionsOfSigns(ChartStyle::North, topSign);
    for (std::size_t sign = 0; sign < regions.size(); ++sign) PlaceSign(sign, regions[sign]);
}

}  // namespace grahavani
