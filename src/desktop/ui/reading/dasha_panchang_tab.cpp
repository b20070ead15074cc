#include "desktop/ui/reading/dasha_panchang_tab.h"
#include "translation/chart_names_in.h"
#include "timing/timing_names_in.h"
#include "desktop/ui/language/desktop_translator.h"
#include "desktop/ui/language/keep_translated.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTreeView>

#include "atlas/local_clock.h"
#include "desktop/ui/chart/chart_choice_words.h"
#include "desktop/ui/reading/dasha_tree_model.h"
#include "desktop/ui/reading/dasha_words.h"
#include "desktop/ui/reading/display_text.h"
#include "render/fonts.h"
#include "desktop/ui/widgets/read_only_table.h"
#include "timing/local_time.h"

namespace grahavani {

namespace {

// A caption above a control, naming it for the keyboard and the screen reader.
QLabel* MakeCaption(QWidget* parent, QWidget* buddy) {
    auto* caption = new QLabel(parent);
    caption->setFont(VerdanaFont(8.25, true));
    caption->setBuddy(buddy);
    return caption;
}

QLabel* MakeLine(QWidget* parent, const QString& name) {
    auto* line = new QLabel(parent);
    line->setObjectName(name);
    line->setWordWrap(true);
    line->setTextFormat(Qt::PlainText);
    return line;
}

}  // namespace

DashaPanchangTab::DashaPanchangTab(QWidget* parent) : QWidget(parent) {
    setObjectName("DashaPanchangTab");
    tblPanchang = MakeReadOnlyTable(this, "tblPanchang", QString(), {QString(), QString()}, 8);
    lblDashaClock = MakeLine(this, "lblDashaClock");
    lblDashaBalance = MakeLine(this, "lblDashaBalance");
    dashaModel_ = new DashaTreeModel(this);
    treeDasha = new QTreeView(this);
    treeDasha->setObjectName("treeDasha");
    treeDasha->setModel(dashaModel_);
    treeDasha->setUniformRowHeights(true);  // rows are laid out without measuring each
    treeDasha->setAllColumnsShowFocus(true);
    treeDasha->setSelectionBehavior(QAbstractItemView::SelectRows);
    treeDasha->setEditTriggers(QAbstractItemView::NoEditTriggers);
    treeDasha->header()->setSectionResizeMode(QHeaderView::ResizeToContents);  // whole dates
    treeDasha->header()->setStretchLastSection(false);

    // The panchang on the left; the dasha's balance over its tree on the right.
    auto* columns = new QHBoxLayout(this);
    auto* panchang = new QVBoxLayout;
    QLabel* panchangCaption = MakeCaption(this, tblPanchang);
    panchang->addWidget(panchangCaption);
    panchang->addWidget(tblPanchang, 1);
    panchang->addWidget(lblDashaClock);
    auto* periods = new QVBoxLayout;
    lblDasha = MakeCaption(this, treeDasha);
    lblDasha->setObjectName("lblDasha");
    periods->addWidget(lblDasha);
    periods->addWidget(lblDashaBalance);
    periods->addWidget(treeDasha, 1);
    columns->addLayout(panchang, 1);
    columns->addLayout(periods, 2);
    KeepTranslated(*this, [this, panchangCaption] {
        //: One of the panchang's five limbs (tithi, vara, nakshatra, yoga, karana): a column heading.
        tblPanchang->setHorizontalHeaderLabels({tr("Limb"), tr("Value")});
        tblPanchang->setAccessibleName(tr("Panchang"));
        const char* limbs[] = {QT_TR_NOOP("Sunrise"), QT_TR_NOOP("Tithi"), QT_TR_NOOP("Paksha"),
                               QT_TR_NOOP("Yoga"),    QT_TR_NOOP("Karana"), QT_TR_NOOP("Vara"),
                               QT_TR_NOOP("Nakshatra"), QT_TR_NOOP("Pada")};
        for (int row = 0; row < 8; ++row) tblPanchang->item(row, 0)->setText(tr(limbs[row]));
        panchangCaption->setText(tr("&Panchang"));
    });
}

void DashaPanchangTab::Fill(const ChartTiming& timing, const ChartResult& chart,
                            double nowJulianDayUT, DashaChoice dasha) {
    FillPanchang(timing, chart);
    const DashaTimeline& timeline = timing.Dashas[static_cast<std::size_t>(dasha.System)];
    const QString name = DisplayText(TimingNameIn(
        TimingNames::DashaSystems, DashaSystemNames[static_cast<std::size_t>(dasha.System)], DesktopLanguage()));
    //: The dasha system's name: "Vimshottari &dasha".
    lblDasha->setText(tr("%1 &dasha").arg(name));
    treeDasha->setAccessibleName(tr("%1 dasha").arg(name));
    lblDashaBalance->setText(DashaBalanceWords(timeline));

    dashaModel_->Reset(timeline, dasha.Depth, timing.ClockOffsetSeconds, nowJulianDayUT);
    const QList<QModelIndex> running = dashaModel_->RunningChain();
    for (const QModelIndex& period : running) {
        if (period != running.last()) treeDasha->expand(period);
    }
    const QModelIndex chosen = running.isEmpty() ? dashaModel_->index(0, 0, {}) : running.last();
    treeDasha->setCurrentIndex(chosen);
    if (isVisible()) treeDasha->scrollTo(chosen, QAbstractItemView::PositionAtCenter);
}

void DashaPanchangTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    treeDasha->scrollTo(treeDasha->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void DashaPanchangTab::FillPanchang(const ChartTiming& timing, const ChartResult& chart) {
    const int offset = timing.ClockOffsetSeconds;
    const Panchang& limbs = timing.Panchang;
    const Language language = DesktopLanguage();
    const auto name = [language](TimingNames names, std::string_view english) {
        return DisplayText(TimingNameIn(names, english, language));
    };
    const QString sunrise =
        limbs.SunriseJulianDayUT
            ? QString::fromStdString(FormatLocalMinute(*limbs.SunriseJulianDayUT, offset)).replace('T', ' ')
            : name(TimingNames::NoSunrise, timing.SunriseReason);
    QString rule = SunriseRuleWords(timing.Sunrise);
    rule[0] = rule[0].toLower();
    const QString values[] = {
        QStringLiteral("%1 (%2)").arg(sunrise, rule),
        QStringLiteral("%1 (%2)").arg(name(TimingNames::Tithis, limbs.Tithi)).arg(limbs.TithiNumber),
        name(TimingNames::Pakshas, limbs.Paksha),
        QStringLiteral("%1 (%2)").arg(name(TimingNames::Yogas, limbs.Yoga)).arg(limbs.YogaNumber),
        name(TimingNames::Karanas, limbs.Karana),
        name(TimingNames::Varas, limbs.Vara),
        DisplayText(NakshatraNameIn(chart.MoonNakshatra, language)),
        QString::fromStdString(chart.NakshatraPada)};
    for (int row = 0; row < 8; ++row) tblPanchang->item(row, 1)->setText(values[row]);
    tblPanchang->resizeColumnToContents(0);
    tblPanchang->resizeRowsToContents();  // the sunrise with its rule wraps, never elided
    lblDashaClock->setText(
        tr("Dasha years of %1. Times on the birth place's clock, UTC%2.")
            .arg(DashaYearCaption(timing.Year),
                 QString::fromStdString(UtcOffsetText(offset))));
}

}  // namespace grahavani
