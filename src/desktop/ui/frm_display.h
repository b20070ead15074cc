#pragma once
// The chart display inside the main window: the chart frame with the three drawings,
// the header, the details panel and the position table, and the interpretation frame
// that can be brought in front of it.

#include <array>

#include <QWidget>

#include "model/birth_record.h"
#include "model/chart_result.h"
#include "desktop/ui/chart_style.h"

#include <QFrame>
class QLabel;

namespace grahavani {

class ChartDrawing;
class InterpretationView;
class SelfSizingLabel;

class frmDisplay final : public QWidget {
    Q_OBJECT
public:
    explicit frmDisplay(QWidget* parent);

    void FillHeader(const BirthRecord& birth);
    // The six details, then the nine positions.
    void FillDetails(const ChartResult& chart);
    // The same text into the box of each sign in all three drawings.
    void FillSignBoxes(const ChartResult& chart);
    // Empties what the calculation writes (sign boxes, details, positions), so a chart
    // that fails its checks leaves nothing stale; the header stays.
    void ClearChartTexts();
    // The drawing in front, the header, the details panel and the position table.
    QWidget& ChartFrame() { return *fraChart; }

    InterpretationView& Interpretation() { return *interpretation_; }

    void BringChartToFront();
    void BringInterpretationToFront();
    void ShowDrawing(ChartStyle style);

private:
    void BuildHeader();
    void BuildDetailsPanel();
    void BuildPositionTable();

    QFrame* fraChart;
    QFrame* fraInterpretation;
    std::array<ChartDrawing*, 3> drawings_{};  // in ChartStyle order
    std::array<SelfSizingLabel*, 8> headerLines_{};
    std::array<QLabel*, 6> detailValues_{};
    std::array<QLabel*, 9> positionCells_{};
    InterpretationView* interpretation_;
};

}  // namespace grahavani
