#pragma once
// The North Indian drawing: a rectangle cut by its diagonals and the rhombus of its
// side midpoints into twelve regions, counter-clockwise from the top rhombus: Aries at
// the top, or the lagna's sign.

#include "desktop/ui/chart/chart_drawing.h"

namespace grahavani {

class NorthIndianChart final : public ChartDrawing {
    Q_OBJECT
public:
    // Placed at its design position in the chart frame.
    explicit NorthIndianChart(QWidget* chartFrame);

    // The sign of the top rhombus, 0 = Aries; the others follow counter-clockwise.
    void ShowTopSign(std::size_t topSign);
};

}  // namespace grahavani
