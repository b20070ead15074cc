#pragma once
// The interpretation's "Planets" tab: the planet table of the chart (the ascendant and the
// nine bodies with sign, nakshatra, pada, house, dignity, motion and combustion), sortable
// by any column, its columns named as the chart's JSON names the fields.

#include <QWidget>

#include "model/chart_result.h"

class QTableWidget;

namespace grahavani {

class PlanetsTab final : public QWidget {
    Q_OBJECT
public:
    explicit PlanetsTab(QWidget* parent);

    // Replaces the rows with those of the chart, kept in the order the reader chose.
    void Fill(const ChartResult& chart);

private:
    QTableWidget* tblPlanets;
};

}  // namespace grahavani
