#include "desktop/ui/chart/south_indian_chart.h"

#include <algorithm>

#include <QPainter>

#include "render/twips.h"

namespace grahavani {

namespace {

constexpr SignAnchors BoxAnchors = {{{1710, 0}, {3030, 0}, {4350, 0}, {4350, 1320},
                                     {4350, 2640}, {4350, 3960}, {3030, 3960}, {1710, 3960},
                                     {390, 3960}, {390, 2640}, {390, 1320}, {390, 0}}};

constexpr SignAnchors NumberAnchors = {{{2400, 1080}, {3795, 1080}, {5115, 1080}, {5115, 2400},
                                        {5115, 3720}, {5115, 5040}, {3795, 5040}, {2400, 5040},
                                        {1110, 5040}, {960, 3720}, {960, 2445}, {960, 1080}}};

constexpr int CellTwips = 1335;

// Each box has its cell.
constexpr SignRooms Rooms = [] {
    constexpr std::array<std::array<int, 2>, 12> cells = {{{0, 1}, {0, 2}, {0, 3}, {1, 3},
                                                           {2, 3}, {3, 3}, {3, 2}, {3, 1},
                                                           {3, 0}, {2, 0}, {1, 0}, {0, 0}}};
    SignRooms rooms{};
    for (std::size_t sign = 0; sign < cells.size(); ++sign) {
        const auto [row, column] = cells[sign];
        rooms[sign] = {column * CellTwips, row * CellTwips, CellTwips, CellTwips};
    }
    return rooms;
}();

}  // namespace

SouthIndianChart::SouthIndianChart(QWidget* chartFrame)
    : ChartDrawing(chartFrame, "picSouthRasi", {360, 1080, 5340, 5355}, "lblPlanets",
                   Qt::AlignHCenter, BoxAnchors, Rooms) {
    AddSignNumbers("lblSouthPosition", NumberAnchors);
}

void SouthIndianChart::PaintLines(QPainter& painter) const {
    const int right = width() - 1;
    const int bottom = height() - 1;
    const int cell = TwipsToPixels(CellTwips);
    // Grid line i, kept inside the picture so the last one is its edge.
    const auto across = [&](int i) { return std::min(i * cell, right); };
    const auto down = [&](int i) { return std::min(i * cell, bottom); };
    painter.drawRect(0, 0, right, bottom);
    for (int i : {1, 3}) {
        painter.drawLine(across(i), 0, across(i), bottom);
        painter.drawLine(0, down(i), right, down(i));
    }
    // The middle lines stop at the merged central square.
    painter.drawLine(across(2), 0, across(2), down(1));
    painter.drawLine(across(2), down(3), across(2), bottom);
    painter.drawLine(0, down(2), across(1), down(2));
    painter.drawLine(across(3), down(2), right, down(2));
}

}  // namespace grahavani
