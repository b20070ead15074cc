#pragma once
// The interpretation's fifth tab: the panchang of the birth with its sunrise, and the nine
// mahadashas; choosing one lists its nine antardashas. The periods running now are marked.

#include <QWidget>

#include "chart/chart_timing.h"

class QLabel;
class QTableWidget;

namespace grahavani {

class DashaPanchangTab final : public QWidget {
    Q_OBJECT
public:
    explicit DashaPanchangTab(QWidget* parent);

    // Replaces what the tab shows, the nakshatra and pada from the chart; the periods containing `nowJulianDayUT` are marked, and the
    // running mahadasha (else the first) is chosen.
    void Fill(const ChartTiming& timing, const ChartResult& chart, double nowJulianDayUT);

private:
    void ShowAntardashas(int mahadasha);

    QTableWidget* tblPanchang;
    QLabel* lblDashaClock;
    QTableWidget* tblMahadasha;
    QLabel* lblAntardasha;
    QTableWidget* tblAntardasha;
    ChartTiming timing_;
    double now_ = 0;
};

}  // namespace grahavani
