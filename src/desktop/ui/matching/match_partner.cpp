#include "desktop/ui/matching/match_partner.h"
#include "translation/chart_names_in.h"
#include "desktop/ui/language/desktop_translator.h"
#include "desktop/ui/language/keep_translated.h"

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

namespace {

MatchPartner::Words BoyWords() {
    return {MatchPartner::tr("&Boy"),
            MatchPartner::tr("Boy's chart: the current chart"),
            MatchPartner::tr("Boy's chart: a chart file"),
            MatchPartner::tr("Choose Boy's File..."),
            MatchPartner::tr("Choose the boy's chart file"),
            MatchPartner::tr("Boy's chart file"),
            MatchPartner::tr("Boy's time zone"),
            MatchPartner::tr("Boy's daylight saving time"),
            MatchPartner::tr("Select the boy's chart file"),
            MatchPartner::tr("Choose the boy's chart file, or the current chart.")};
}

MatchPartner::Words GirlWords() {
    return {MatchPartner::tr("&Girl"),
            MatchPartner::tr("Girl's chart: the current chart"),
            MatchPartner::tr("Girl's chart: a chart file"),
            MatchPartner::tr("Choose Girl's File..."),
            MatchPartner::tr("Choose the girl's chart file"),
            MatchPartner::tr("Girl's chart file"),
            MatchPartner::tr("Girl's time zone"),
            MatchPartner::tr("Girl's daylight saving time"),
            MatchPartner::tr("Select the girl's chart file"),
            MatchPartner::tr("Choose the girl's chart file, or the current chart.")};
}

}  // namespace

MatchPartner::MatchPartner(QWidget* parent, const QString& side, ChartSession& session,
                           CommonDialog& dialogs, MessageSink& messages)
    : QGroupBox(parent), session_(session), dialogs_(dialogs), messages_(messages), side_(side) {
    setObjectName("fra" + side);
    optCurrent = new QRadioButton(this);
    optCurrent->setObjectName("opt" + side + "Current");
    lblCurrent = new QLabel(this);
    lblCurrent->setObjectName("lbl" + side + "Current");
    lblCurrent->setWordWrap(true);
    optFile = new QRadioButton(this);
    optFile->setObjectName("opt" + side + "File");
    cmdFile = new QPushButton(this);
    cmdFile->setObjectName("cmd" + side + "File");
    lblFile = new QLabel(this);
    lblFile->setObjectName("lbl" + side + "File");
    lblFile->setWordWrap(true);
    lblFile->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    lblFile->setFocusPolicy(Qt::TabFocus);  // the reader reaches the birth by Tab
    cboZone = new FieldList(this, "cbo" + side + "Zone", QString());
    InitReferenceTables();
    for (std::size_t row = 0; row < TimeZoneList.size(); ++row) cboZone->addItem(QString());
    chkDST = new QCheckBox(this);
    chkDST->setObjectName("chk" + side + "DST");

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
    KeepTranslated(*this, [this] { Retranslate(); });
}

void MatchPartner::Retranslate() {
    words_ = side_ == QLatin1String("Boy") ? BoyWords() : GirlWords();
    setTitle(words_.title);
    optCurrent->setText(tr("Current chart"));
    optCurrent->setAccessibleName(words_.currentChart);
    optFile->setText(tr("Chart file"));
    optFile->setAccessibleName(words_.fileChart);
    cmdFile->setText(words_.chooseFile);
    cmdFile->setAccessibleName(words_.chooseFileName);
    lblFile->setAccessibleName(words_.chartFile);
    cboZone->setAccessibleName(words_.timeZone);
    for (std::size_t row = 0; row < TimeZoneList.size(); ++row) {
        const std::string_view text = ZoneRowTextIn(TimeZoneList[row].displayText, DesktopLanguage());
        cboZone->setItemText(static_cast<int>(row), QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    chkDST->setText(tr("Daylight Saving Time"));
    chkDST->setAccessibleName(words_.daylightSaving);
    ShowCurrentChartLine();
    ShowFileLine();
}

void MatchPartner::OfferCurrentChart(bool calculated) {
    optCurrent->setEnabled(calculated);
    offered_ = true;
    ShowCurrentChartLine();
    if (!calculated) optFile->setChecked(true);
}

void MatchPartner::ShowCurrentChartLine() {
    if (!offered_) return;  // the line stays empty before the first offer
    const QString reason = optCurrent->isEnabled()
                               ? tr("The chart of %1").arg(QString::fromStdString(session_.Birth().Name))
                               : tr("No chart is calculated: calculate one to match it.");
    lblCurrent->setText(reason);
    optCurrent->setAccessibleDescription(reason);
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
        window(), {words_.dialogTitle, tr("Grahavani (*.gvc)"), "gvc", fileName_});
    if (!chosen || chosen->isEmpty()) return;
    const BirthEntries form = session_.EntryForm().Entries();
    BirthEntries entries = form;
    const auto read = ReadChartFileAt(*chosen, entries);
    if (const auto* problem = std::get_if<QString>(&read)) {
        return messages_.ShowCritical(window(), tr("Grahavani"), *problem);
    }
    fileName_ = *chosen;
    fileEntries_ = entries;
    fileStatesZone_ = std::get<ChartFileClock>(read).StatesZone;
    optFile->setChecked(true);
    ShowFileLine();
    if (form.TimeZoneRow < TimeZoneCount) cboZone->setCurrentIndex(static_cast<int>(form.TimeZoneRow));
    chkDST->setChecked(form.DaylightSaving);
    cboZone->setVisible(!fileStatesZone_);
    chkDST->setVisible(!fileStatesZone_);
}

void MatchPartner::ShowFileLine() {
    if (!fileEntries_) {
        lblFile->setText(tr("No file chosen"));
    } else {
        QString birth = QString::fromStdString(fileEntries_->Name);
        if (!CheckBirthEntries(*fileEntries_)) {
            //: The name, then the birth as the chart file states it.
            birth = tr("%1, born %2")
                        .arg(birth, QString::fromStdString(BirthSummary(ToBirthRecord(*fileEntries_), DesktopLanguage())));
        }
        lblFile->setText(QFileInfo(fileName_).fileName() + ": " + birth +
                         (fileStatesZone_ ? QString() : "\n" + tr("The file does not say its time zone: choose it.")));
    }
    lblFile->setAccessibleDescription(lblFile->text());  // the name says whose file it is
}

}  // namespace grahavani
