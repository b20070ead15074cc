#include "desktop/ui/reading/ashtakavarga_tab.h"
#include "desktop/ui/language/desktop_translator.h"
#include "desktop/ui/language/keep_translated.h"
#include "translation/chart_names_in.h"

#include <algorithm>
#include <numeric>

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>

#include "interpretation/sign_summary_table.h"
#include "model/name_tables.h"
#include "desktop/ui/chart/east_indian_chart.h"
#include "desktop/ui/chart/north_indian_chart.h"
#include "desktop/ui/chart/south_indian_chart.h"
#include "desktop/ui/reading/display_text.h"
#include "render/fonts.h"
#include "desktop/ui/widgets/read_only_table.h"

namespace grahavani {

namespace {

constexpr int TotalColumn = 13;

QString GridName(std::size_t grid) {
    return grid < AshtakavargaPlanets.size() ? DisplayText(BodyNames[AshtakavargaPlanets[grid]])
                                             : QStringLiteral("Sarva");
}

// GridName as the table and the titles show it.
QString GridTitle(std::size_t grid) {
    return grid < AshtakavargaPlanets.size()
               ? DisplayText(BodyNameIn(BodyNames[AshtakavargaPlanets[grid]], DesktopLanguage()))
               : AshtakavargaTab::tr("Sarva");
}

QStringList Columns() {
    QStringList columns{AshtakavargaTab::tr("Ashtakavarga")};
    // The scripts name a sign by the full name SignCodeIn gives.
    const Language language = DesktopLanguage();
    for (std::size_t sign = 0; sign < SignSummaryTable.size(); ++sign) {
        columns << DisplayText(language == Language::English ? SignSummaryTable[sign].englishName
                                                             : SignCodeIn(SignAbbreviationList[sign], language));
    }
    columns << AshtakavargaTab::tr("Total");
    return columns;
}

int Total(const SignBindus& bindus) { return std::accumulate(bindus.begin(), bindus.end(), 0); }

ChartDrawing* MakeDrawing(ChartStyle style, QWidget* parent) {
    switch (style) {
    case ChartStyle::North: return new NorthIndianChart(parent);
    case ChartStyle::South: return new SouthIndianChart(parent);
    case ChartStyle::East: break;
    }
    return new EastIndianChart(parent);
}

}  // namespace

AshtakavargaTab::AshtakavargaTab(QWidget* parent) : QWidget(parent) {
    setObjectName("AshtakavargaTab");
    auto* page = new QWidget;
    tblAshtakavarga = MakeReadOnlyTable(page, "tblAshtakavarga", QString(),
                                        Columns(), static_cast<int>(GridCount));
    auto* caption = new QLabel(page);
    caption->setFont(VerdanaFont(8.25, true));
    caption->setBuddy(tblAshtakavarga);
    grids_ = new QGridLayout;
    for (std::size_t grid = 0; grid < GridCount; ++grid) {
        const int row = static_cast<int>(grid);
        for (int column = 1; column <= TotalColumn; ++column) {
            tblAshtakavarga->item(row, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        cells_[grid] = new QWidget(page);
        auto* cell = new QVBoxLayout(cells_[grid]);
        cell->setContentsMargins(0, 0, 0, 0);
        titles_[grid] = new QLabel(cells_[grid]);
        titles_[grid]->setObjectName(QStringLiteral("lblAshtakavarga%1").arg(GridName(grid)));
        titles_[grid]->setFont(VerdanaFont(9.75, true));
        titles_[grid]->setTextFormat(Qt::PlainText);
        cell->addWidget(titles_[grid]);
    }

    auto* column = new QVBoxLayout(page);
    column->addWidget(caption);
    column->addWidget(tblAshtakavarga);
    column->addLayout(grids_);
    column->addStretch(1);
    scrollAshtakavarga = new QScrollArea(this);
    scrollAshtakavarga->setObjectName("scrollAshtakavarga");
    scrollAshtakavarga->setWidget(page);
    scrollAshtakavarga->setWidgetResizable(true);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(scrollAshtakavarga);
    KeepTranslated(*this, [this, caption] {
        tblAshtakavarga->setAccessibleName(tr("Ashtakavarga"));
        tblAshtakavarga->setAccessibleDescription(
            tr("The bindus each planet's ashtakavarga and the sarva give the twelve signs"));
        tblAshtakavarga->setHorizontalHeaderLabels(Columns());
        caption->setText(tr("&Ashtakavarga bindus by sign"));
        scrollAshtakavarga->setAccessibleName(tr("Ashtakavarga drawings"));
        for (std::size_t grid = 0; grid < GridCount; ++grid) {
            tblAshtakavarga->item(static_cast<int>(grid), 0)->setText(GridTitle(grid));
            titles_[grid]->setText(filled_ ? Title(grid) : GridTitle(grid));
            if (drawings_[grid]) {
                drawings_[grid]->SetReaderPrefix(GridTitle(grid));
                ShowBindus(grid);
            }
        }
        tblAshtakavarga->resizeColumnsToContents();
        FitToCells(*tblAshtakavarga);
    });
}

void AshtakavargaTab::Fill(const ChartResult& chart) {
    const Ashtakavarga bindus = ComputeAshtakavarga(chart);
    std::copy(bindus.Bhinna.begin(), bindus.Bhinna.end(), bindus_.begin());
    bindus_.back() = bindus.Sarva;
    filled_ = true;
    for (std::size_t grid = 0; grid < GridCount; ++grid) {
        const int row = static_cast<int>(grid);
        for (std::size_t sign = 0; sign < 12; ++sign) {
            tblAshtakavarga->item(row, static_cast<int>(sign) + 1)->setText(QString::number(bindus_[grid][sign]));
        }
        tblAshtakavarga->item(row, TotalColumn)->setText(QString::number(Total(bindus_[grid])));
        titles_[grid]->setText(Title(grid));
        if (drawings_[grid]) ShowBindus(grid);
    }
    tblAshtakavarga->resizeColumnsToContents();
    FitToCells(*tblAshtakavarga);
}

void AshtakavargaTab::ShowStyle(ChartStyle style) {
    style_ = style;
    if (isVisible()) MakeDrawings();
}

void AshtakavargaTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    MakeDrawings();
}

void AshtakavargaTab::MakeDrawings() {
    if (drawnStyle_ == style_) return;
    drawnStyle_ = style_;
    for (std::size_t grid = 0; grid < GridCount; ++grid) {
        delete drawings_[grid];
        ChartDrawing* drawing = MakeDrawing(style_, cells_[grid]);
        drawing->NameApart(GridName(grid) + QStringLiteral("Ashtakavarga_"), GridTitle(grid));
        drawing->setFixedSize(drawing->size());  // the drawing's own size, wherever it stands
        cells_[grid]->layout()->addWidget(drawing);
        drawing->show();
        drawings_[grid] = drawing;
        ShowBindus(grid);
    }
    columns_ = 0;  // the drawings of another style are of another width
    ArrangeGrids();
}

void AshtakavargaTab::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ArrangeGrids();
}

void AshtakavargaTab::ArrangeGrids() {
    // From the tab's own width: the scroll area's viewport takes its size only once shown.
    const int spacing = std::max(0, grids_->horizontalSpacing());
    const QMargins margins = scrollAshtakavarga->widget()->layout()->contentsMargins();
    const int room = width() - 2 * scrollAshtakavarga->frameWidth() -
                     scrollAshtakavarga->verticalScrollBar()->sizeHint().width() - margins.left() -
                     margins.right();
    const int gridWidth = cells_[0]->sizeHint().width() + spacing;
    const int columns = std::clamp((room + spacing) / gridWidth, 1, static_cast<int>(GridCount));
    if (columns == columns_) return;
    columns_ = columns;
    for (std::size_t grid = 0; grid < GridCount; ++grid) {
        const int index = static_cast<int>(grid);
        grids_->removeWidget(cells_[grid]);
        grids_->addWidget(cells_[grid], index / columns, index % columns, Qt::AlignLeft | Qt::AlignTop);
    }
}

QString AshtakavargaTab::Title(std::size_t grid) const {
    return QStringLiteral("%1 %2").arg(GridTitle(grid)).arg(Total(bindus_[grid]));
}

void AshtakavargaTab::ShowBindus(std::size_t grid) {
    drawings_[grid]->setAccessibleName(tr("%1 bindus").arg(Title(grid)));
    for (std::size_t sign = 0; sign < 12; ++sign) {
        drawings_[grid]->SetSignBoxText(sign, QString::number(bindus_[grid][sign]));
    }
}

}  // namespace grahavani
