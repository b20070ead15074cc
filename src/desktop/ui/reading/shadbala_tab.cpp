#include "desktop/ui/reading/shadbala_tab.h"
#include "translation/chart_names_in.h"
#include "desktop/ui/language/desktop_translator.h"
#include "desktop/ui/language/keep_translated.h"

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

// The rows' names, translated under ShadbalaTab::tr.
using P = PlanetStrength;
constexpr std::array<ValueRow, 10> StrengthRows = {{
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Sthana"), StrengthOf<&P::Sthana>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Dig"), StrengthOf<&P::Dig>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Kala"), StrengthOf<&P::Kala>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Cheshta"), StrengthOf<&P::Cheshta>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Naisargika"), StrengthOf<&P::Naisargika>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Drik"), StrengthOf<&P::Drik>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Total"), StrengthOf<&P::Total>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Rupas"), StrengthOf<&P::Rupas>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Required"), StrengthOf<&P::Required>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Ratio"), StrengthOf<&P::Ratio>}}};

using C = ShadbalaComponents;
constexpr std::array<ValueRow, 14> ComponentRows = {{
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Uchcha"), ComponentOf<&C::Uchcha>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Saptavargaja"), ComponentOf<&C::Saptavargaja>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Ojayugma"), ComponentOf<&C::Ojayugma>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Kendra"), ComponentOf<&C::Kendra>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Drekkana"), ComponentOf<&C::Drekkana>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Nathonnatha"), ComponentOf<&C::Nathonnatha>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Paksha"), ComponentOf<&C::Paksha>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Tribhaga"), ComponentOf<&C::Tribhaga>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Abda"), ComponentOf<&C::Abda>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Masa"), ComponentOf<&C::Masa>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Vara"), ComponentOf<&C::Vara>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Hora"), ComponentOf<&C::Hora>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Ayana"), ComponentOf<&C::Ayana>},
    {QT_TRANSLATE_NOOP("grahavani::ShadbalaTab", "Yuddha"), ComponentOf<&C::Yuddha>}}};

constexpr int StrengthRow = static_cast<int>(StrengthRows.size());  // meets its minimum or not
const QString Absent = QStringLiteral("—");

QStringList Columns(const QString& first) {
    QStringList columns{first};
    for (const std::size_t planet : AshtakavargaPlanets) {
        columns << DisplayText(BodyNameIn(BodyNames[planet], DesktopLanguage()));
    }
    return columns;
}

QTableWidget* MakeTable(QWidget* parent, const QString& name, qsizetype rows) {
    QTableWidget* table = MakeReadOnlyTable(parent, name, QString(), Columns(QString()), static_cast<int>(rows));
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 1; column < table->columnCount(); ++column) {
            table->item(row, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    return table;
}

// The table's name, headings and row names in the language shown.
void NameTable(QTableWidget& table, const QString& accessibleName, const QString& description,
               const QString& firstColumn, const QStringList& rows) {
    table.setAccessibleName(accessibleName);
    table.setAccessibleDescription(description);
    table.setHorizontalHeaderLabels(Columns(firstColumn));
    for (int row = 0; row < table.rowCount(); ++row) table.item(row, 0)->setText(rows[row]);
}

QStringList RowNames(const auto& rows) {
    QStringList names;
    for (const ValueRow& row : rows) names << ShadbalaTab::tr(row.name);
    return names;
}

// A screen reader says "absent" where the table shows a dash.
void ShowText(QTableWidgetItem& cell, const QString& text) {
    cell.setText(text);
    cell.setData(Qt::AccessibleTextRole, text == Absent ? ShadbalaTab::tr("absent") : QString());
}

void ShowValues(QTableWidget& table, const auto& rows, int column, const PlanetStrength* planet) {
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const std::optional<double> value =
            planet ? rows[static_cast<std::size_t>(row)].value(*planet) : std::nullopt;
        ShowText(*table.item(row, column), value ? QString::number(*value, 'f', 2) : Absent);
    }
}

QLabel* MakeCaption(QWidget* parent, QWidget* buddy) {
    auto* caption = new QLabel(parent);
    caption->setFont(VerdanaFont(8.25, true));
    caption->setBuddy(buddy);
    return caption;
}

}  // namespace

ShadbalaTab::ShadbalaTab(QWidget* parent) : QWidget(parent) {
    setObjectName("ShadbalaTab");
    auto* page = new QWidget;
    tblShadbala = MakeTable(page, "tblShadbala", static_cast<qsizetype>(StrengthRows.size()) + 1);
    tblShadbalaParts = MakeTable(page, "tblShadbalaParts", static_cast<qsizetype>(ComponentRows.size()));
    auto* units = new QLabel(page);
    units->setObjectName("lblShadbalaUnits");
    units->setWordWrap(true);
    lblShadbalaNote = new QLabel(page);
    lblShadbalaNote->setObjectName("lblShadbalaNote");
    lblShadbalaNote->setWordWrap(true);
    lblShadbalaNote->setTextFormat(Qt::PlainText);

    auto* column = new QVBoxLayout(page);
    column->addWidget(units);
    QLabel* strengthsCaption = MakeCaption(page, tblShadbala);
    column->addWidget(strengthsCaption);
    column->addWidget(tblShadbala);
    QLabel* partsCaption = MakeCaption(page, tblShadbalaParts);
    column->addWidget(partsCaption);
    column->addWidget(tblShadbalaParts);
    column->addWidget(lblShadbalaNote);
    column->addStretch(1);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("scrollShadbala");
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(scroll);
    KeepTranslated(*this, [=, this] {
        NameTable(*tblShadbala, tr("Shadbala"),
                  tr("The six strengths of each planet in virupas and their total; Rupas and Required in rupas"),
                  tr("Bala"), RowNames(StrengthRows) << tr("Strength"));
        NameTable(*tblShadbalaParts, tr("Shadbala components"),
                  tr("The parts of sthana and kala bala of each planet in virupas"), tr("Component"),
                  RowNames(ComponentRows));
        units->setText(tr("Strengths in virupas, 60 to a rupa; Rupas and Required in rupas; Ratio is "
                          "Rupas over Required. A planet with a ratio below 1 is below its minimum."));
        strengthsCaption->setText(tr("&Shadbala"));
        partsCaption->setText(tr("Co&mponents"));
        scroll->setAccessibleName(tr("Shadbala tables"));
    });
    Show(nullptr, QString());
}

void ShadbalaTab::Fill(const BirthRecord& birth, const ChartResult& chart, SunriseRule sunrise) {
    try {
        const Shadbala shadbala = ComputeShadbala(ShadbalaInputOf(birth, chart, sunrise));
        Show(&shadbala, QString::fromStdString(ShadbalaNoteIn(shadbala, DesktopLanguage())));
    } catch (const EphemerisFailure& failure) {
        Show(nullptr, QString::fromStdString(failure.MessageIn(DesktopLanguage())));
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
                        : (*ratio < 1 ? tr("below minimum") : tr("meets minimum")));
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
