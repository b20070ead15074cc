#include "desktop/ui/reading/dasha_panchang_tab.h"

#include <QBoxLayout>
#include <QLabel>
#include <QTableWidget>

#include "atlas/local_clock.h"
#include "desktop/ui/chart/chart_settings.h"
#include "desktop/ui/reading/display_text.h"
#include "desktop/ui/widgets/fonts.h"
#include "desktop/ui/widgets/read_only_table.h"
#include "timing/local_time.h"

namespace grahavani {

namespace {

constexpr int PeriodCount = 9;
const QString RunningMark = QStringLiteral("▶ now");

// A caption above a control, naming it for the keyboard and the screen reader.
QLabel* MakeCaption(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* caption = new QLabel(text, parent);
    caption->setFont(VerdanaFont(8.25, true));
    caption->setBuddy(buddy);
    return caption;
}

// "2012-08-07 05:39": the command's ISO time with a space for its "T", which reads (and
// sounds in a screen reader) as a date and a time.
QString LocalMinute(double julianDayUT, int clockOffsetSeconds) {
    return QString::fromStdString(FormatLocalMinute(julianDayUT, clockOffsetSeconds))
        .replace('T', ' ');
}

// Lord, start, end and the running mark of one row; a running row is bold.
template <typename Period>
void FillPeriodRow(QTableWidget& table, int row, const Period& period, int clockOffsetSeconds,
                   bool running) {
    const QString cells[] = {DisplayText(period.Lord),
                             LocalMinute(period.StartJulianDayUT, clockOffsetSeconds),
                             LocalMinute(period.EndJulianDayUT, clockOffsetSeconds),
                             running ? RunningMark : QString()};
    for (int column = 0; column < 4; ++column) {
        QTableWidgetItem* item = table.item(row, column);
        item->setText(cells[column]);
        QFont font = item->font();
        font.setBold(running);
        item->setFont(font);
    }
}

template <typename Period>
void FillPeriods(QTableWidget& table, const std::array<Period, PeriodCount>& periods,
                 int clockOffsetSeconds, double nowJulianDayUT) {
    const auto running = PeriodContaining(periods, nowJulianDayUT);
    for (int row = 0; row < PeriodCount; ++row) {
        FillPeriodRow(table, row, periods[static_cast<std::size_t>(row)], clockOffsetSeconds,
                      running == static_cast<std::size_t>(row));
    }
    table.resizeColumnsToContents();  // whole dates, never elided
}

}  // namespace

DashaPanchangTab::DashaPanchangTab(QWidget* parent) : QWidget(parent) {
    setObjectName("DashaPanchangTab");
    const QStringList periodColumns = {"Lord", "Start", "End", "Running"};
    tblPanchang = MakeReadOnlyTable(this, "tblPanchang", "Panchang", {"Limb", "Value"}, 8);
    const char* limbs[] = {"Sunrise", "Tithi", "Paksha", "Yoga", "Karana", "Vara", "Nakshatra", "Pada"};
    for (int row = 0; row < 8; ++row) tblPanchang->item(row, 0)->setText(limbs[row]);
    lblDashaClock = new QLabel(this);
    lblDashaClock->setObjectName("lblDashaClock");
    lblDashaClock->setWordWrap(true);
    lblDashaClock->setTextFormat(Qt::PlainText);
    tblMahadasha = MakeReadOnlyTable(this, "tblMahadasha", "Mahadashas", periodColumns, PeriodCount);
    tblAntardasha = MakeReadOnlyTable(this, "tblAntardasha", "Antardashas", periodColumns, PeriodCount);

    // The panchang on the left; the mahadashas over the antardashas of the chosen one.
    auto* columns = new QHBoxLayout(this);
    auto* panchang = new QVBoxLayout;
    panchang->addWidget(MakeCaption(this, "&Panchang", tblPanchang));
    panchang->addWidget(tblPanchang, 1);
    panchang->addWidget(lblDashaClock);
    auto* periods = new QVBoxLayout;
    periods->addWidget(MakeCaption(this, "&Mahadashas", tblMahadasha));
    periods->addWidget(tblMahadasha, 1);
    lblAntardasha = MakeCaption(this, "&Antardashas", tblAntardasha);
    lblAntardasha->setObjectName("lblAntardasha");
    periods->addWidget(lblAntardasha);
    periods->addWidget(tblAntardasha, 1);
    columns->addLayout(panchang, 1);
    columns->addLayout(periods, 2);

    // Selection, not the current cell, so that a screen reader's choice counts as a click.
    connect(tblMahadasha, &QTableWidget::itemSelectionChanged, this, [this] {
        const QList<QTableWidgetItem*> chosen = tblMahadasha->selectedItems();
        if (!chosen.isEmpty()) ShowAntardashas(chosen.first()->row());
    });
}

void DashaPanchangTab::Fill(const ChartTiming& timing, const ChartResult& chart,
                            double nowJulianDayUT) {
    timing_ = timing;
    now_ = nowJulianDayUT;
    const int offset = timing.ClockOffsetSeconds;
    const Panchang& limbs = timing.Panchang;
    const QString sunrise = limbs.SunriseJulianDayUT
                                ? LocalMinute(*limbs.SunriseJulianDayUT, offset)
                                : QString::fromStdString(timing.SunriseReason);
    const QString values[] = {
        sunrise,
        QStringLiteral("%1 (%2)").arg(DisplayText(limbs.Tithi)).arg(limbs.TithiNumber),
        DisplayText(limbs.Paksha),
        QStringLiteral("%1 (%2)").arg(DisplayText(limbs.Yoga)).arg(limbs.YogaNumber),
        DisplayText(limbs.Karana),
        DisplayText(limbs.Vara),
        QString::fromStdString(chart.MoonNakshatra),
        QString::fromStdString(chart.NakshatraPada)};
    for (int row = 0; row < 8; ++row) tblPanchang->item(row, 1)->setText(values[row]);
    tblPanchang->resizeColumnToContents(0);
    lblDashaClock->setText(
        QStringLiteral("Dasha years of %1. Times on the birth place's clock, UTC%2.")
            .arg(DashaYearCaption(timing.Year),
                 QString::fromStdString(UtcOffsetText(offset))));

    FillPeriods(*tblMahadasha, timing.Dasha.Periods, offset, now_);
    const auto running = PeriodContaining(timing.Dasha.Periods, now_);
    const int chosen = running ? static_cast<int>(*running) : 0;
    tblMahadasha->setCurrentCell(chosen, 0);
    ShowAntardashas(chosen);  // also when the chosen row was already selected
}

void DashaPanchangTab::ShowAntardashas(int mahadasha) {
    if (mahadasha < 0 || mahadasha >= PeriodCount) return;
    const Mahadasha& period = timing_.Dasha.Periods[static_cast<std::size_t>(mahadasha)];
    lblAntardasha->setText(QStringLiteral("&Antardashas of ") + DisplayText(period.Lord));
    tblAntardasha->setAccessibleName(QStringLiteral("Antardashas of ") + DisplayText(period.Lord));
    FillPeriods(*tblAntardasha, period.Antardashas, timing_.ClockOffsetSeconds, now_);
}

}  // namespace grahavani
