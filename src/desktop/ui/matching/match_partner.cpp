#include "desktop/ui/matching/match_partner.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "desktop/files/chart_file_reading.h"
#include "desktop/files/common_dialog.h"
#include "desktop/ui/chart/chart_session.h"
#include "desktop/ui/entry/field_list.h"
#include "desktop/ui/entry/frm_main.h"
#include "desktop/ui/widgets/message_sink.h"
#include "matching/match_report.h"
#include "model/reference_tables.h"

namespace grahavani {

MatchPartner::MatchPartner(QWidget* parent, const QString& side, ChartSession& session,
                           CommonDialog& dialogs, MessageSink& messages)
    : QGroupBox("&" + side, parent), session_(session), dialogs_(dialogs), messages_(messages), side_(side) {
    setObjectName("fra" + side);
    const QString whose = side + "'s ";
    optCurrent = new QRadioButton("Current chart", this);
    optCurrent->setObjectName("opt" + side + "Current");
    optCurrent->setAccessibleName(whose + "chart: the current chart");
    lblCurrent = new QLabel(this);
    lblCurrent->setObjectName("lbl" + side + "Current");
    lblCurrent->setWordWrap(true);
    optFile = new QRadioButton("Chart file", this);
    optFile->setObjectName("opt" + side + "File");
    optFile->setAccessibleName(whose + "chart: a chart file");
    cmdFile = new QPushButton("Choose " + whose + "File...", this);
    cmdFile->setObjectName("cmd" + side + "File");
    cmdFile->setAccessibleName("Choose the " + whose.toLower() + "chart file");
    lblFile = new QLabel("No file chosen", this);
    lblFile->setObjectName("lbl" + side + "File");
    lblFile->setWordWrap(true);
    lblFile->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    lblFile->setFocusPolicy(Qt::TabFocus);  // the reader reaches the birth by Tab
    lblFile->setAccessibleName(whose + "chart file");
    lblFile->setAccessibleDescription(lblFile->text());
    cboZone = new FieldList(this, "cbo" + side + "Zone", whose + "time zone");
    InitReferenceTables();
    for (const TimeZoneRow& zone : TimeZoneList) {
        cboZone->addItem(QString::fromUtf8(zone.displayText.data(), static_cast<qsizetype>(zone.displayText.size())));
    }
    chkDST = new QCheckBox("Daylight Saving Time", this);
    chkDST->setObjectName("chk" + side + "DST");
    chkDST->setAccessibleName(whose + "daylight saving time");

    auto* grid = new QGridLayout(this);
    grid->addWidget(optCurrent, 0, 0, 1, 2);
    grid->addWidget(lblCurrent, 1, 0, 1, 2);
    grid->addWidget(optFile, 2, 0);
    grid->addWidget(cmdFile, 2, 1);
    grid->addWidget(lblFile, 3, 0, 1, 2);
    grid->addWidget(cboZone, 4, 0);
    grid->addWidget(chkDST, 4, 1);
    grid->setColumnStretch(0, 1);
    cboZone->setVisible(false);
    chkDST->setVisible(false);
    optFile->setChecked(true);
    connect(cmdFile, &QPushButton::clicked, this, &MatchPartner::ChooseFile);
}

void MatchPartner::OfferCurrentChart(bool calculated) {
    optCurrent->setEnabled(calculated);
    const QString reason = calculated ? QString("The chart of %1").arg(QString::fromStdString(session_.Birth().Name))
                                      : QString("No chart is calculated: calculate one to match it.");
    lblCurrent->setText(reason);
    optCurrent->setAccessibleDescription(reason);
    if (!calculated) optFile->setChecked(true);
}

bool MatchPartner::UsesCurrentChart() const { return optCurrent->isEnabled() && optCurrent->isChecked(); }

std::optional<BirthEntries> MatchPartner::FileEntries() const {
    if (!fileEntries_ || fileStatesZone_) return fileEntries_;
    BirthEntries entries = *fileEntries_;
    entries.TimeZoneRow = static_cast<std::size_t>(std::max(0, cboZone->currentIndex()));
    entries.DaylightSaving = chkDST->isChecked();
    entries.ZoneOffsetSeconds.reset();
    entries.ExtraZone.reset();
    return entries;
}

void MatchPartner::ChooseFile() {
    const auto chosen = dialogs_.ShowOpen(
        window(), {"Select the " + side_.toLower() + "'s chart file", "Grahavani (*.gvc)", "gvc", fileName_});
    if (!chosen || chosen->isEmpty()) return;
    const BirthEntries form = session_.EntryForm().Entries();
    BirthEntries entries = form;
    const auto read = ReadChartFileAt(*chosen, entries);
    if (const auto* problem = std::get_if<QString>(&read)) {
        return messages_.ShowCritical(window(), "Grahavani", *problem);
    }
    fileName_ = *chosen;
    fileEntries_ = entries;
    fileStatesZone_ = std::get<ChartFileClock>(read).StatesZone;
    optFile->setChecked(true);
    QString birth = QString::fromStdString(entries.Name);
    if (!CheckBirthEntries(entries)) birth += ", born " + QString::fromStdString(BirthSummary(ToBirthRecord(entries)));
    lblFile->setText(QFileInfo(*chosen).fileName() + ": " + birth +
                     (fileStatesZone_ ? QString() : QString("\nThe file does not say its time zone: choose it.")));
    lblFile->setAccessibleDescription(lblFile->text());  // the name says whose file it is
    if (form.TimeZoneRow < TimeZoneCount) cboZone->setCurrentIndex(static_cast<int>(form.TimeZoneRow));
    chkDST->setChecked(form.DaylightSaving);
    cboZone->setVisible(!fileStatesZone_);
    chkDST->setVisible(!fileStatesZone_);
}

}  // namespace grahavani
