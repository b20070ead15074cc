#pragma once
// The chart display inside the main window: the chart frame with the three drawings,
// the header, the details panel and the position table, and the interpretation frame
// that can be brought in front of it.

#include <array>
#include <optional>

#include <QFrame>
#include <QString>
#include <QWidget>

#include "model/birth_record.h"
#include "model/chart_result.h"
#include "desktop/ui/chart/chart_style.h"

class QLabel;

namespace grahavani {

class ChartDrawing;
class NorthIndianChart;
class InterpretationView;
class SelfSizingLabel;

class frmDisplay final : public QWidget {
    Q_OBJECT
public:
    explicit frmDisplay(QWidget* parent);

    void FillHeader(const BirthRecord& birth);
    // The six details, then the nine positions, a retrograde one followed by " R".
    void FillDetails(const ChartResult& chart);
    // The same text into the box of each sign in all three drawings, from the chart as the
    // varga ShowVarga chose places it.
    void FillSignBoxes(const ChartResult& chart);
    // Fills the sign boxes from the varga of VargaDivisions at this index at once: 0 is the
    // birth chart (D1).
    void ShowVarga(std::size_t varga);
    // What the drawing shows, on the chart itself so that its picture and print say it.
    void ShowCaption(const QString& caption);
    // Turns the North drawing so that the lagna's sign stands in the top rhombus, or
    // gives it back Aries there, at once.
    void ShowLagnaAtTop(bool atTop);
    // The engine that made the chart, in the chart frame's corner.
    void ShowEphemeris(const QString& caption);
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
    void ShowSignBoxes();

    QFrame* fraChart;
    QFrame* fraInterpretation;
    std::array<ChartDrawing*, 3> drawings_{};  // in ChartStyle order
    NorthIndianChart* north_;
    std::array<SelfSizingLabel*, 8> headerLines_{};
    std::array<QLabel*, 6> detailValues_{};
    std::array<QLabel*, 9> positionCells_{};
    SelfSizingLabel* lblChartEphemeris;
    SelfSizingLabel* lblChartCaption;
    std::optional<ChartResult> chart_;  // none while the boxes stay empty
    std::size_t varga_ = 0;
    bool lagnaAtTop_ = false;
    InterpretationView* interpretation_;
};

}  // namespace grahavani
