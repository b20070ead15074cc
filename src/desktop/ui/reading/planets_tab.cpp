#include "desktop/ui/reading/planets_tab.h"
#include "translation/chart_names_in.h"
#include "texts/position_text_in.h"
#include "desktop/ui/language/desktop_translator.h"
#include "desktop/ui/language/keep_translated.h"

#include <iterator>
#include <optional>
#include <string_view>

#include <QBoxLayout>
#include <QHeaderView>
#include <QTableWidget>

#include "chart/planet_table.h"
#include "desktop/ui/widgets/read_only_table.h"

namespace grahavani {

namespace {

// Translated where the table is made, under PlanetsTab::tr.
constexpr const char* Columns[] = {
    QT_TRANSLATE_NOOP("grahavani::PlanetsTab", "Body"),
    QT_TRANSLATE_NOOP("grahavani::PlanetsTab", "Longitude"),
    QT_TRANSLATE_NOOP("grahavani::PlanetsTab", "Sign"),
    QT_TRANSLATE_NOOP("grahavani::PlanetsTab", "Degrees"),
    //: The position as the chart window writes it.
    QT_TRANSLATE_NOOP("grahavani::PlanetsTab", "Text"),
    QT_TRANSLATE_NOOP("grahavani::PlanetsTab", "Nakshatra"),
    QT_TRANSLATE_NOOP("grahavani::PlanetsTab", "Pada"),
    QT_TRANSLATE_NOOP("grahavani::PlanetsTab", "NakshatraLord"),
    QT_TRANSLATE_NOOP("grahavani::PlanetsTab", "House"),
    QT_TRANSLATE_NOOP("grahavani::PlanetsTab", "Dignity"),
    QT_TRANSLATE_NOOP("grahavani::PlanetsTab", "Retrograde"),
    QT_TRANSLATE_NOOP("grahavani::PlanetsTab", "Combust"),
};

// A cell that sorts by the number it shows, not by its text ("10" after "9").
class NumberItem final : public QTableWidgetItem {
public:
    bool operator<(const QTableWidgetItem& other) const override {
        return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
    }
};

QTableWidgetItem* NumberCell(double value, int decimals) {
    auto* item = new NumberItem;
    item->setText(QString::number(value, 'f', decimals));
    item->setData(Qt::UserRole, value);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// A flag the body lacks, or the engine does not know, stays empty.
QString YesNo(std::optional<bool> flag) {
    if (!flag) return {};
    return *flag ? PlanetsTab::tr("yes") : PlanetsTab::tr("no");
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

PlanetsTab::PlanetsTab(QWidget* parent) : QWidget(parent) {
    setObjectName("PlanetsTab");
    tblPlanets = MakeReadOnlyTable(this, "tblPlanets", QString(), QStringList(std::size(Columns), QString()),
                                   static_cast<int>(PlanetTableRows));
    KeepTranslated(*this, [this] {
        QStringList columns;
        for (const char* column : Columns) columns << tr(column);
        tblPlanets->setHorizontalHeaderLabels(columns);
        tblPlanets->setAccessibleName(tr("Planets"));
        tblPlanets->setAccessibleDescription(
            tr("The ascendant and the nine bodies; choose a column heading to sort by it"));
    });
    // No column sorts the rows until the reader chooses one: the ascendant first, then the bodies.
    tblPlanets->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    tblPlanets->setSortingEnabled(true);
    auto* column = new QVBoxLayout(this);
    column->addWidget(tblPlanets);
}

void PlanetsTab::Fill(const ChartResult& chart) {
    // Rows written while sorted would move under the pen.
    tblPlanets->setSortingEnabled(false);
    const auto table = ComputePlanetTable(chart);
    const Language language = DesktopLanguage();
    for (int row = 0; row < static_cast<int>(table.size()); ++row) {
        const PlanetRow& planet = table[static_cast<std::size_t>(row)];
        QTableWidgetItem* const cells[] = {
            new QTableWidgetItem(FromUtf8(BodyNameIn(planet.Body, language))),
            NumberCell(planet.Longitude, 4),
            new QTableWidgetItem(FromUtf8(SignCodeIn(planet.Sign, language))),
            NumberCell(planet.Degrees, 4),
            new QTableWidgetItem(FromUtf8(PositionTextIn(language, planet.Text))),
            new QTableWidgetItem(FromUtf8(NakshatraNameIn(planet.Nakshatra, language))),
            NumberCell(planet.Pada, 0),
            new QTableWidgetItem(FromUtf8(BodyNameIn(planet.NakshatraLord, language))),
            NumberCell(planet.House, 0),
            new QTableWidgetItem(FromUtf8(DignityIn(planet.Dignity.value_or(""), language))),
            new QTableWidgetItem(YesNo(planet.Retrograde)),
            new QTableWidgetItem(YesNo(planet.Combust))};
        for (int column = 0; column < static_cast<int>(std::size(cells)); ++column) {
            tblPlanets->setItem(row, column, cells[column]);
        }
    }
    tblPlanets->resizeColumnsToContents();
    tblPlanets->setSortingEnabled(true);
}

}  // namespace grahavani
