#include "desktop/ui/east_indian_chart.h"

#include <algorithm>

#include <QPainter>

#include "desktop/ui/twips.h"

namespace grahavani {

namespace {

constexpr SignAnchors BoxAnchors = {{{1920, 0}, {840, 0}, {120, 720}, {120, 1920},
                                     {120, 3600}, {960, 4320}, {1920, 3600}, {3600, 4320},
                                     {4200, 3600}, {3600, 1920}, {4440, 840}, {3600, 0}}};

constexpr int SquareTwips = 1755;

}  // namespace

EastIndianChart::EastIndianChart(QWidget* chartFrame)
    : ChartDrawing(chartFrame, "picRashiEast", {360, 1200, 5300, 5300}, "lblEast",
                   Qt::AlignLeft, BoxAnchors) {}

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
    // Each corner square's diagonal runs from the outer corner to the centre square.
    painter.drawLine(0, 0, near, near);
    painter.drawLine(last, 0, far, near);
    painter.drawLine(0, last, near, far);
    painter.drawLine(last, last, far, far);
}

}  // namespace grahavani
