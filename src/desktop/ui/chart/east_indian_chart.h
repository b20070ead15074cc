#pragma once
// The East Indian drawing: three rows of three squares, the corner squares halved by
// a diagonal and the centre left empty; Aries at the top middle, counter-clockwise.

#include "desktop/ui/chart/chart_drawing.h"

namespace grahavani {

class EastIndianChart final : public ChartDrawing {
    Q_OBJECT
public:
    // Placed at its design position in the chart frame.
    explicit EastIndianChart(QWidget* chartFrame);
};

}  // namespace grahavani
