#include "desktop/ui/reading/shadbala_tab.h"

#include <algorithm>
#include <array>
#include <optional>

#include <QBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QTableWidget>

#include "chart/shadbala_input.h"
#include "engines/precise/ephemeris_failure.h"
#include "model/name_tables.h"
#include "vargas/ashtakavarga.h"
#include "desktop/ui/reading/display_text.h"
#include "render/fonts.h"
#include "desktop/ui/widgets/read_only_table.h"

namespace grahavani {

namespace {

using PlanetValue = std::optional<double> (*)(const PlanetStrength&);

struct ValueRow {
    const char* name;
    PlanetValue value;
};

template <auto Field>
std::optional<double> StrengthOf(const PlanetStrength& planet) {
    return planet.*Field;
}

template <auto Field>
std::optional<double> ComponentOf(const PlanetStrength& planet) {
    return planet.Components.*Field;
}

using P = PlanetStrength;
constexpr std::array<ValueRow, 10> StrengthRows = {{
    {"Sthana", StrengthOf<&P::Sthana>}, {"Dig", StrengthOf<&P::Dig>},
    {"Kala", StrengthOf<&P::Kala>}, {"Cheshta", StrengthOf<&P::Cheshta>},
    {"Naisargika", StrengthOf<&P::Naisargika>}, {"Drik", StrengthOf<&P::Drik>},
    {"Total", StrengthOf<&P::Total>}, {"Rupas", StrengthOf<&P::Rupas>},
    {"Required", StrengthOf<&P::Required>}, {"Ratio", StrengthOf<&P::Ratio>}}};

using C = ShadbalaComponents;
constexpr std::array<ValueRow, 14> ComponentRows = {{
    {"Uchcha", ComponentOf<&C::Uchcha>}, {"Saptavargaja", ComponentOf<&C::Saptavargaja>},
    {"Ojayugma", ComponentOf<&C::Ojayugma>}, {"Kendra", ComponentOf<&C::Kendra>},
    {"Drekkana", ComponentOf<&C::Drekkana>}, {"Nathonnatha", ComponentOf<&C::Nathonnatha>},
    {"Paksha", ComponentOf<&C::Paksha>}, {"Tribhaga", ComponentOf<&C::Tribhaga>},
    {"Abda", ComponentOf<&C::Abda>}, {"Masa", ComponentOf<&C::Masa>},
    {"Vara", ComponentOf<&C::Vara>}, {"Hora", ComponentOf<&C::Hora>},
    {"Ayana", ComponentOf<&C::Ayana>}, {"Yuddha", ComponentOf<&C::Yuddha>}}};

constexpr int StrengthRow = static_cast<int>(StrengthRows.size());  // meets its minimum or not
const QString Absent = QStringLiteral("—");

QStringList Columns(const QString& first) {
    QStringList columns{first};
    for (const std::size_t planet : AshtakavargaPlanets) columns << DisplayText(BodyNames[planet]);
    return columns;
}

QTableWidget* MakeTable(QWidget* parent, const QString& name, const QString& accessibleName,
                        const QString& firstColumn, const QStringList& rows) {
    QTableWidget* table = MakeReadOnlyTable(parent, name, accessibleName, Columns(firstColumn),
                                            static_cast<int>(rows.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        table->item(row, 0)->setText(rows[row]);
        for (int column = 1; column < table->columnCount(); ++column) {
            table->item(row, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    return table;
}

QStringList RowNames(const auto& rows) {
    QStringList names;
    for (const ValueRow& row : rows) names << QString::fromLatin1(row.name);
    return names;
}

// A screen reader says "absent" where the table shows a dash.
void ShowText(QTableWidgetItem& cell, const QString& text) {
    cell.setText(text);
    cell.setData(Qt::AccessibleTextRole, text == Absent ? QStringLiteral("absent") : QString());
}

void ShowValues(QTableWidget& table, const auto& rows, int column, const PlanetStrength* planet) {
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const std::optional<double> value =
            planet ? rows[static_cast<std::size_t>(row)].value(*planet) : std::nullopt;
        ShowText(*table.item(row, column), value ? QString::number(*value, 'f', 2) : Absent);
    }
}

QLabel* MakeCaption(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* caption = new QLabel(text, parent);
    caption->setFont(VerdanaFont(8.25, true));
    caption->setBuddy(buddy);
    return caption;
}

}  // namespace

ShadbalaTab::ShadbalaTab(QWidget* parent) : QWidget(parent) {
    setObjectName("ShadbalaTab");
    auto* page = new QWidget;
    tblShadbala = MakeTable(page, "tblShadbala", QStringLiteral("Shadbala"), QStringLiteral("Bala"),
                            RowNames(StrengthRows) << QStringLiteral("Strength"));
    tblShadbala->setAccessibleDescription(QStringLiteral(
        "The six strengths of each planet in virupas and their total; Rupas and Required in rupas"));
    tblShadbalaParts = MakeTable(page, "tblShadbalaParts", QStringLiteral("Shadbala components"),
                                 QStringLiteral("Component"), RowNames(ComponentRows));
    tblShadbalaParts->setAccessibleDescription(
        QStringLiteral("The parts of sthana and kala bala of each planet in virupas"));
    auto* units = new QLabel(
        QStringLiteral("Strengths in virupas, 60 to a rupa; Rupas and Required in rupas; Ratio is "
                       "Rupas over Required. A planet with a ratio below 1 is below its minimum."),
        page);
    units->setObjectName("lblShadbalaUnits");
    units->setWordWrap(true);
    lblShadbalaNote = new QLabel(page);
    lblShadbalaNote->setObjectName("lblShadbalaNote");
    lblShadbalaNote->setWordWrap(true);
    lblShadbalaNote->setTextFormat(Qt::PlainText);

    auto* column = new QVBoxLayout(page);
    column->addWidget(units);
    column->addWidget(MakeCaption(page, QStringLiteral("&Shadbala"), tblShadbala));
    column->addWidget(tblShadbala);
    column->addWidget(MakeCaption(page, QStringLiteral("Co&mponents"), tblShadbalaParts));
    column->addWidget(tblShadbalaParts);
    column->addWidget(lblShadbalaNote);
    column->addStretch(1);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("scrollShadbala");
    scroll->setAccessibleName(QStringLiteral("Shadbala tables"));
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(scroll);
    Show(nullptr, QString());
}

void ShadbalaTab::Fill(const BirthRecord& birth, const ChartResult& chart, SunriseRule sunrise) {
    try {
        const Shadbala shadbala = ComputeShadbala(ShadbalaInputOf(birth, chart, sunrise));
        Show(&shadbala, QString::fromStdString(shadbala.Note));
    } catch (const EphemerisFailure& failure) {
        Show(nullptr, QString::fromUtf8(failure.what()));
    }
}

void ShadbalaTab::Show(const Shadbala* shadbala, const QString& note) {
    for (std::size_t index = 0; index < AshtakavargaPlanets.size(); ++index) {
        const PlanetStrength* planet = shadbala ? &shadbala->Planets[AshtakavargaPlanets[index]] : nullptr;
        const int column = static_cast<int>(index) + 1;
        ShowValues(*tblShadbala, StrengthRows, column, planet);
        ShowValues(*tblShadbalaParts, ComponentRows, column, planet);
        const std::optional<double> ratio = planet ? planet->Ratio : std::nullopt;
        ShowText(*tblShadbala->item(StrengthRow, column),
                 !ratio ? Absent
                        : (*ratio < 1 ? QStringLiteral("below minimum") : QStringLiteral("meets minimum")));
    }
    lblShadbalaNote->setText(note);
    lblShadbalaNote->setVisible(!note.isEmpty());
    // A planet's column as wide in both tables, so that they read as one.
    tblShadbala->resizeColumnsToContents();
    tblShadbalaParts->resizeColumnsToContents();
    for (int column = 0; column < tblShadbala->columnCount(); ++column) {
        const int width = std::max(tblShadbala->columnWidth(column), tblShadbalaParts->columnWidth(column));
        tblShadbala->setColumnWidth(column, width);
        tblShadbalaParts->setColumnWidth(column, width);
    }
    FitToCells(*tblShadbala);
    FitToCells(*tblShadbalaParts);
}

}  // namespace grahavani
