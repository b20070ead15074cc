#include "desktop/ui/chart/east_indian_chart.h"

#include <algorithm>
#include <array>

#include <QPainter>

#include "render/twips.h"

namespace grahavani {

namespace {

constexpr SignAnchors BoxAnchors = {{{1920, 0}, {840, 0}, {120, 720}, {120, 1920},
                                     {120, 3600}, {960, 4320}, {1920, 3600}, {3600, 4320},
                                     {4200, 3600}, {3600, 1920}, {4440, 840}, {3600, 0}}};

constexpr int SquareTwips = 1755;

// The corner squares' diagonals as the drawing stores them, from the outer corners
// towards the centre square; they miss the ideal corners by up to 3 pixels.
constexpr std::array<std::array<TwipsAnchor, 2>, 4> DiagonalEnds = {{
    {{{0, 0}, {1775, 1775}}},
    {{{3495, 1750}, {5250, 0}}},
    {{{0, 5230}, {1755, 3480}}},
    {{{3495, 3495}, {5280, 5280}}},
}};

// The middle squares whole; a corner square split between its two triangles where their
// anchors part, the bottom right one across, the others side by side.
constexpr SignRooms Rooms = {{{1770, 0, 1740, 1755}, {840, 0, 915, 1755}, {0, 0, 840, 1755},
                              {0, 1770, 1755, 1740}, {0, 3510, 840, 1785}, {840, 3510, 915, 1785},
                              {1770, 3525, 1740, 1770}, {3525, 4320, 1770, 975},
                              {3525, 3510, 1770, 810}, {3525, 1770, 1770, 1740},
                              {4440, 0, 855, 1755}, {3525, 0, 915, 1755}}};

}  // namespace

EastIndianChart::EastIndianChart(QWidget* chartFrame)
    : ChartDrawing(chartFrame, "picRashiEast", {360, 1200, 5300, 5300}, "lblEast",
                   Qt::AlignLeft, BoxAnchors, Rooms) {}

void EastIndianChart::PaintLines(QPainter& painter) const {
    // The outer squares' edges are the picture's border, so the grid's last lines
    // lie on it rather than one pixel inside.
    const int last = std::min(width(), height()) - 1;
    const int near = TwipsToPixels(SquareTwips), far = 2 * near;
    painter.drawRect(0, 0, width() - 1, height() - 1);
    for (int line : {near, far}) {
        painter.drawLine(line, 0, line, last);
        painter.drawLine(0, line, last, line);
    }
    for (const auto& [from, to] : DiagonalEnds) {
        painter.drawLine(TwipsPoint(from.left, from.top), TwipsPoint(to.left, to.top));
    }
}

}  // namespace grahavani
