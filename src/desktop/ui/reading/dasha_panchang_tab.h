#pragma once
// The interpretation's fifth tab: the panchang of the birth with its sunrise, and the dasha
// chosen in the settings as one tree to the depth chosen, with its balance at birth. The
// periods running now are opened, marked and chosen.

#include <QWidget>

#include "chart/chart_timing.h"
#include "desktop/ui/chart/chart_settings.h"

class QLabel;
class QTableWidget;
class QTreeView;

namespace grahavani {

class DashaTreeModel;

class DashaPanchangTab final : public QWidget {
    Q_OBJECT
public:
    explicit DashaPanchangTab(QWidget* parent);

    // Replaces what the tab shows, the nakshatra and pada from the chart; the periods
    // containing `nowJulianDayUT` are opened and marked.
    void Fill(const ChartTiming& timing, const ChartResult& chart, double nowJulianDayUT,
              DashaChoice dasha);

protected:
    // The running period is brought into view with its parents once the tree has its size.
    void showEvent(QShowEvent* event) override;

private:
    void FillPanchang(const ChartTiming& timing, const ChartResult& chart);

    QTableWidget* tblPanchang;
    QLabel* lblDashaClock;
    QLabel* lblDasha;
    QLabel* lblDashaBalance;
    QTreeView* treeDasha;
    DashaTreeModel* dashaModel_;
};

}  // namespace grahavani
