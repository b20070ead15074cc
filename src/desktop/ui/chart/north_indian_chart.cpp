#include "desktop/ui/chart/north_indian_chart.h"

#include <QPainter>

#include "chart/north_indian_regions.h"

namespace grahavani {

namespace {

constexpr SignAnchors BoxAnchors = {{{2220, 600}, {900, 0}, {45, 600}, {1020, 1800},
                                     {30, 3360}, {1020, 4560}, {2460, 3240}, {3870, 4560},
                                     {4785, 3360}, {3780, 1800}, {4665, 600}, {3540, 0}}};

constexpr SignAnchors NumberAnchors = {{{2760, 2400}, {1320, 1080}, {1080, 1320}, {2520, 2670},
                                        {1180, 4080}, {1380, 4200}, {2760, 2880}, {4125, 4200},
                                        {4340, 4080}, {2900, 2670}, {4320, 1320}, {3960, 1080}}};

// Five columns of rooms, split where the anchors leave room between the regions.
constexpr SignRooms Rooms = {{{2175, 600, 1215, 1560}, {900, 0, 1275, 1005}, {0, 600, 900, 1890},
                              {900, 1800, 1275, 1815}, {0, 3360, 900, 1830}, {900, 4350, 1275, 1155},
                              {2175, 3240, 1215, 1665}, {3390, 4350, 1275, 1155},
                              {4665, 3360, 900, 1830}, {3390, 1800, 1275, 1815},
                              {4665, 600, 900, 1890}, {3390, 0, 1275, 1005}}};

}  // namespace

NorthIndianChart::NorthIndianChart(QWidget* chartFrame)
    : ChartDrawing(chartFrame, "picNorthRasi", {240, 1080, 5565, 5505}, "lblNorthStyle",
                   Qt::AlignHCenter, BoxAnchors, Rooms) {
    AddSignNumbers("lblNorthPosition", NumberAnchors);
}

void NorthIndianChart::ShowTopSign(std::size_t topSign) {
    for (std::size_t sign = 0; sign < 12; ++sign) PlaceSign(sign, NorthRegionOfSign(sign, topSign));
}

void NorthIndianChart::PaintLines(QPainter& painter) const {
    const double right = width() - 1;
    const double bottom = height() - 1;
    const QPointF top(right / 2, 0), left(0, bottom / 2), base(right / 2, bottom),
        side(right, bottom / 2);
    painter.drawRect(QRectF(0, 0, right, bottom));
    painter.drawLine(QPointF(0, 0), QPointF(right, bottom));
    painter.drawLine(QPointF(right, 0), QPointF(0, bottom));
    const QPointF rhombus[] = {top, side, base, left};
    painter.drawPolygon(rhombus, 4);
}

}  // namespace grahavani
