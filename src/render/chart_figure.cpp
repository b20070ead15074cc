#include "render/chart_figure.h"

#include <algorithm>

#include <QPainter>

#include "chart/north_indian_regions.h"
#include "render/twips.h"

namespace grahavani {

namespace {

// A rectangle cut by its diagonals and by the rhombus of its side midpoints into twelve
// regions, counter-clockwise from the top rhombus.
void PaintNorthLines(QPainter& painter, QSize size) {
    const double right = size.width() - 1;
    const double bottom = size.height() - 1;
    const QPointF top(right / 2, 0), left(0, bottom / 2), base(right / 2, bottom),
        side(right, bottom / 2);
    painter.drawRect(QRectF(0, 0, right, bottom));
    painter.drawLine(QPointF(0, 0), QPointF(right, bottom));
    painter.drawLine(QPointF(right, 0), QPointF(0, bottom));
    const QPointF rhombus[] = {top, side, base, left};
    painter.drawPolygon(rhombus, 4);
}

constexpr int SouthCellTwips = 1335;

// A four-by-four grid whose central four cells are one empty square.
void PaintSouthLines(QPainter& painter, QSize size) {
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    const int cell = TwipsToPixels(SouthCellTwips);
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

constexpr int EastSquareTwips = 1755;

// The corner squares' diagonals as the drawing stores them, from the outer corners
// towards the centre square; they miss the ideal corners by up to 3 pixels.
constexpr std::array<std::array<TwipsAnchor, 2>, 4> EastDiagonalEnds = {{
    {{{0, 0}, {1775, 1775}}},
    {{{3495, 1750}, {5250, 0}}},
    {{{0, 5230}, {1755, 3480}}},
    {{{3495, 3495}, {5280, 5280}}},
}};

// Three rows of three squares, the corner squares halved by a diagonal, the centre empty.
void PaintEastLines(QPainter& painter, QSize size) {
    // The outer squares' edges are the picture's border, so the grid's last lines
    // lie on it rather than one pixel inside.
    const int last = std::min(size.width(), size.height()) - 1;
    const int near = TwipsToPixels(EastSquareTwips), far = 2 * near;
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    for (int line : {near, far}) {
        painter.drawLine(line, 0, line, last);
        painter.drawLine(0, line, last, line);
    }
    for (const auto& [from, to] : EastDiagonalEnds) {
        painter.drawLine(TwipsPoint(from.left, from.top), TwipsPoint(to.left, to.top));
    }
}

// Each South box has its cell; Pisces in the top left cell, then clockwise.
constexpr SignRooms SouthRooms = [] {
    constexpr std::array<std::array<int, 2>, 12> cells = {{{0, 1}, {0, 2}, {0, 3}, {1, 3},
                                                           {2, 3}, {3, 3}, {3, 2}, {3, 1},
                                                           {3, 0}, {2, 0}, {1, 0}, {0, 0}}};
    SignRooms rooms{};
    for (std::size_t sign = 0; sign < cells.size(); ++sign) {
        const auto [row, column] = cells[sign];
        rooms[sign] = {column * SouthCellTwips, row * SouthCellTwips, SouthCellTwips, SouthCellTwips};
    }
    return rooms;
}();

const ChartFigure North{
    5565, 5505,
    {{{2220, 600}, {900, 0}, {45, 600}, {1020, 1800}, {30, 3360}, {1020, 4560}, {2460, 3240},
      {3870, 4560}, {4785, 3360}, {3780, 1800}, {4665, 600}, {3540, 0}}},
    // Five columns of rooms, split where the anchors leave room between the regions.
    {{{2175, 600, 1215, 1560}, {900, 0, 1275, 1005}, {0, 600, 900, 1890}, {900, 1800, 1275, 1815},
      {0, 3360, 900, 1830}, {900, 4350, 1275, 1155}, {2175, 3240, 1215, 1665},
      {3390, 4350, 1275, 1155}, {4665, 3360, 900, 1830}, {3390, 1800, 1275, 1815},
      {4665, 600, 900, 1890}, {3390, 0, 1275, 1005}}},
    SignAnchors{{{2760, 2400}, {1320, 1080}, {1080, 1320}, {2520, 2670}, {1180, 4080}, {1380, 4200},
                 {2760, 2880}, {4125, 4200}, {4340, 4080}, {2900, 2670}, {4320, 1320}, {3960, 1080}}},
    true, PaintNorthLines};

const ChartFigure South{
    5340, 5355,
    {{{1710, 0}, {3030, 0}, {4350, 0}, {4350, 1320}, {4350, 2640}, {4350, 3960}, {3030, 3960},
      {1710, 3960}, {390, 3960}, {390, 2640}, {390, 1320}, {390, 0}}},
    SouthRooms,
    SignAnchors{{{2400, 1080}, {3795, 1080}, {5115, 1080}, {5115, 2400}, {5115, 3720}, {5115, 5040},
                 {3795, 5040}, {2400, 5040}, {1110, 5040}, {960, 3720}, {960, 2445}, {960, 1080}}},
    true, PaintSouthLines};

// Aries at the top middle, counter-clockwise.
const ChartFigure East{
    5300, 5300,
    {{{1920, 0}, {840, 0}, {120, 720}, {120, 1920}, {120, 3600}, {960, 4320}, {1920, 3600},
      {3600, 4320}, {4200, 3600}, {3600, 1920}, {4440, 840}, {3600, 0}}},
    // The middle squares whole; a corner square split between its two triangles where their
    // anchors part, the bottom right one across, the others side by side.
    {{{1770, 0, 1740, 1755}, {840, 0, 915, 1755}, {0, 0, 840, 1755}, {0, 1770, 1755, 1740},
      {0, 3510, 840, 1785}, {840, 3510, 915, 1785}, {1770, 3525, 1740, 1770}, {3525, 4320, 1770, 975},
      {3525, 3510, 1770, 810}, {3525, 1770, 1770, 1740}, {4440, 0, 855, 1755}, {3525, 0, 915, 1755}}},
    std::nullopt, false, PaintEastLines};

}  // namespace

QSize ChartFigure::Size() const { return TwipsSize(widthTwips, heightTwips); }

QPoint ChartFigure::BoxAnchor(std::size_t region) const {
    return TwipsPoint(boxAnchors[region].left, boxAnchors[region].top);
}

QRect ChartFigure::Room(std::size_t region) const {
    const TwipsRoom& room = rooms[region];
    return TwipsRect(room.left, room.top, room.width, room.height);
}

QPoint ChartFigure::NumberAnchor(std::size_t region) const {
    const TwipsAnchor& anchor = numberAnchors.value()[region];
    return TwipsPoint(anchor.left, anchor.top);
}

const ChartFigure& FigureOf(ChartStyle style) {
    switch (style) {
    case ChartStyle::North: return North;
    case ChartStyle::South: return South;
    case ChartStyle::East: break;
    }
    return East;
}

SignRegions RegionsOfSigns(ChartStyle style, std::size_t topSign) {
    SignRegions regions{};
    for (std::size_t sign = 0; sign < regions.size(); ++sign) {
        regions[sign] = style == ChartStyle::North ? NorthRegionOfSign(sign, topSign) : sign;
    }
    return regions;
}

}  // namespace grahavani
