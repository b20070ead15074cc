#pragma once
// The interpretation's "Shadbala" tab: the six strengths of the seven planets with their
// total, rupas, required minimum, ratio and whether each meets its minimum, then the fourteen
// parts of sthana and kala bala. What cannot be computed at the birth place reads "—", with
// the reason under the tables.

#include <QWidget>

#include "model/birth_record.h"
#include "model/chart_options.h"
#include "model/chart_result.h"
#include "vargas/shadbala.h"

class QLabel;
class QTableWidget;

namespace grahavani {

class ShadbalaTab final : public QWidget {
    Q_OBJECT
public:
    explicit ShadbalaTab(QWidget* parent);

    // The shadbala of the chart at the record's place, its day found by the sunrise rule.
    void Fill(const BirthRecord& birth, const ChartResult& chart, SunriseRule sunrise);

private:
    // With no shadbala, every value reads "—" and the note says why.
    void Show(const Shadbala* shadbala, const QString& note);

    QTableWidget* tblShadbala;
    QTableWidget* tblShadbalaParts;
    QLabel* lblShadbalaNote;
};

}  // namespace grahavani
