#pragma once
// The South Indian drawing: a four-by-four grid whose central four cells are one empty
// square; Pisces in the top left cell, then clockwise.

#include "desktop/ui/chart/chart_drawing.h"

namespace grahavani {

class SouthIndianChart final : public ChartDrawing {
    Q_OBJECT
public:
    // Placed at its design position in the chart frame.
    explicit SouthIndianChart(QWidget* chartFrame);
};

}  // namespace grahavani
