#pragma once
// The North Indian drawing: a rectangle cut by its diagonals and the rhombus of its
// side midpoints into twelve regions, Aries in the top rhombus, counter-clockwise.

#include "desktop/ui/chart/chart_drawing.h"

namespace grahavani {

class NorthIndianChart final : public ChartDrawing {
    Q_OBJECT
public:
    // Placed at its design position in the chart frame.
    explicit NorthIndianChart(QWidget* chartFrame);

protected:
    void PaintLines(QPainter& painter) const override;
};

}  // namespace grahavani
