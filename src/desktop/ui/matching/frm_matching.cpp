#include "desktop/ui/matching/frm_matching.h"
#include "translation/chart_names_in.h"
#include "desktop/ui/language/desktop_translator.h"
#include "desktop/ui/language/keep_translated.h"

#include <initializer_list>

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "chart/compute_chart.h"
#include "desktop/files/common_dialog.h"
#include "desktop/files/whole_file.h"
#include "desktop/ui/chart/chart_session.h"
#include "desktop/ui/chart/chart_settings.h"
#include "desktop/ui/matching/match_partner.h"
#include "desktop/ui/widgets/message_sink.h"
#include "desktop/ui/widgets/read_only_table.h"
#include "engines/precise/birth_instant.h"
#include "engines/precise/ephemeris_failure.h"
#include "matching/chart_match.h"
#include "matching/match_report.h"
#include "render/match_pdf.h"

namespace grahavani {

namespace {

QString Words(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Score(double score) { return QString::fromStdString(ScoreText(score)); }

QLabel* MakeResultLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::TabFocus);  // the reader reaches each result by Tab
    return label;
}

// The label's name says what it shows; a screen reader hears the shown text as its description.
void ShowResult(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleDescription(text);
}

}  // namespace

frmMatching::frmMatching(ChartSession& session, CommonDialog& dialogs, MessageSink& messages)
    : session_(session), dialogs_(dialogs), messages_(messages) {
    setObjectName("frmMatching");
    boy_ = new MatchPartner(this, "Boy", session, dialogs, messages);
    girl_ = new MatchPartner(this, "Girl", session, dialogs, messages);
    cmdMatch = new QPushButton(this);
    cmdMatch->setObjectName("cmdMatch");
    cmdMatch->setDefault(true);
    cmdSaveAsText = new QPushButton(this);
    cmdSaveAsText->setObjectName("cmdSaveAsText");
    cmdSaveAsText->setEnabled(false);
    cmdExportPdf = new QPushButton(this);
    cmdExportPdf->setObjectName("cmdExportPdf");
    cmdExportPdf->setEnabled(false);
    cmdClose = new QPushButton(this);
    cmdClose->setObjectName("cmdClose");

    lblTotal = MakeResultLabel(this, "lblTotal");
    lblVerdict = MakeResultLabel(this, "lblVerdict");
    tblKootas = MakeReadOnlyTable(this, "tblKootas", QString(), QStringList(5, QString()),
                                  static_cast<int>(KootaLabels.size()));
    lblNotes = MakeResultLabel(this, "lblNotes");
    lblBoyManglik = MakeResultLabel(this, "lblBoyManglik");
    lblGirlManglik = MakeResultLabel(this, "lblGirlManglik");
    tblPoruthams = MakeReadOnlyTable(this, "tblPoruthams", QString(), QStringList(2, QString()),
                                     static_cast<int>(PoruthamLabels.size()));
    lblPoruthamCount = MakeResultLabel(this, "lblPoruthamCount");

    auto* sides = new QHBoxLayout;
    sides->addWidget(boy_, 1);
    sides->addWidget(girl_, 1);
    auto* commands = new QHBoxLayout;
    commands->addWidget(cmdMatch);
    commands->addWidget(cmdSaveAsText);
    commands->addWidget(cmdExportPdf);
    commands->addStretch(1);
    commands->addWidget(cmdClose);
    auto* kootaColumn = new QVBoxLayout;
    for (QWidget* result : std::initializer_list<QWidget*>{lblTotal, lblVerdict, tblKootas, lblNotes}) {
        kootaColumn->addWidget(result, 0, Qt::AlignLeft);
    }
    kootaColumn->addStretch(1);
    auto* poruthamColumn = new QVBoxLayout;
    poruthamColumn->addWidget(tblPoruthams, 0, Qt::AlignLeft);
    poruthamColumn->addWidget(lblPoruthamCount, 0, Qt::AlignLeft);
    poruthamColumn->addStretch(1);
    auto* tables = new QHBoxLayout;
    tables->addLayout(kootaColumn, 1);
    tables->addLayout(poruthamColumn);
    auto* page = new QVBoxLayout(this);
    page->addLayout(sides);
    page->addLayout(commands);
    page->addLayout(tables, 1);
    page->addWidget(lblBoyManglik);
    page->addWidget(lblGirlManglik);

    KeepTranslated(*this, [this] { Retranslate(); });
    connect(cmdMatch, &QPushButton::clicked, this, &frmMatching::Match);
    connect(cmdSaveAsText, &QPushButton::clicked, this, &frmMatching::SaveAsText);
    connect(cmdExportPdf, &QPushButton::clicked, this, &frmMatching::ExportPdf);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

void frmMatching::Retranslate() {
    setWindowTitle(tr("Kundali Matching"));
    cmdMatch->setText(tr("&Match"));
    cmdSaveAsText->setText(tr("Save As &Text..."));
    cmdExportPdf->setText(tr("Export &PDF..."));
    cmdClose->setText(tr("&Close"));
    const std::pair<QLabel*, QString> names[] = {
        {lblTotal, tr("Total")},
        {lblVerdict, tr("Verdict")},
        {lblNotes, tr("Notes")},
        {lblBoyManglik, tr("Boy's Manglik")},
        {lblGirlManglik, tr("Girl's Manglik")},
        {lblPoruthamCount, tr("Poruthams agreeing")}};
    for (const auto& [label, name] : names) label->setAccessibleName(name);
    const Language language = DesktopLanguage();
    tblKootas->setAccessibleName(tr("Ashtakoota"));
    tblKootas->setHorizontalHeaderLabels({tr("Koota"), tr("Boy"), tr("Girl"), tr("Score"), tr("Maximum")});
    for (std::size_t row = 0; row < KootaLabels.size(); ++row) {
        tblKootas->item(static_cast<int>(row), 0)->setText(Words(KootaLabelIn(row, language)));
    }
    tblPoruthams->setAccessibleName(tr("Poruthams"));
    tblPoruthams->setHorizontalHeaderLabels({tr("Porutham"), tr("Agreement")});
    for (std::size_t row = 0; row < PoruthamLabels.size(); ++row) {
        tblPoruthams->item(static_cast<int>(row), 0)->setText(Words(PoruthamLabelIn(row, language)));
    }
    if (matched_) {
        ShowMatch((*matched_)[0], (*matched_)[1]);
    } else {
        ShowResult(lblTotal, tr("Choose the two charts and press Match."));
    }
    FitTables();
}

void frmMatching::ShowFor(QWidget* owner) {
    const bool calculated = session_.MainWindow() != nullptr;
    boy_->OfferCurrentChart(calculated);
    girl_->OfferCurrentChart(calculated);
    if (!isVisible() && owner) move(owner->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

std::optional<MatchedChart> frmMatching::ChartOf(const MatchPartner& partner) {
    if (partner.UsesCurrentChart()) return MatchedChart{session_.Birth(), session_.Chart()};
    const auto entries = partner.FileEntries();
    if (!entries) {
        messages_.ShowInformation(this, partner.SideWords().missingChart);
        partner.FileButton()->setFocus();
        return std::nullopt;
    }
    const QString file = QFileInfo(partner.FileName()).fileName() + ": ";
    if (const auto problem = CheckBirthEntries(*entries)) {
        messages_.ShowInformation(this, file + QString::fromStdString(BirthEntryMessageIn(problem->message, DesktopLanguage())));
        return std::nullopt;
    }
    MatchedChart matched{ToBirthRecord(*entries), {}};
    const ChartOptions options = ReadChartOptions(session_.Settings());
    if (options.engine == Engine::Precise) {
        if (const auto problem = CheckPreciseBirthRecord(matched.Birth, DesktopLanguage())) {
            messages_.ShowInformation(this, file + QString::fromStdString(*problem));
            return std::nullopt;
        }
    }
    try {
        ComputeChart(matched.Birth, matched.Chart, options);
    } catch (const EphemerisFailure& failure) {
        messages_.ShowCritical(this, tr("Grahavani"), file + QString::fromStdString(failure.MessageIn(DesktopLanguage())));
        return std::nullopt;
    }
    return matched;
}

void frmMatching::Match() {
    const auto boy = ChartOf(*boy_);
    if (!boy) return;
    const auto girl = ChartOf(*girl_);
    if (!girl) return;
    matched_ = {*boy, *girl};
    ShowMatch(*boy, *girl);
    cmdSaveAsText->setEnabled(true);
    cmdExportPdf->setEnabled(true);
    FitTables();
}

void frmMatching::ShowMatch(const MatchedChart& boy, const MatchedChart& girl) {
    const ChartMatch match = MatchCharts(boy.Chart.Longitudes, girl.Chart.Longitudes);
    const Ashtakoota& kootas = match.Kootas;
    const Language language = DesktopLanguage();
    for (std::size_t index = 0; index < kootas.Kootas.size(); ++index) {
        const Koota& koota = kootas.Kootas[index];
        const int row = static_cast<int>(index);
        QString boyClass = Words(KootaClassIn(language, index, koota.Boy));
        if (static_cast<KootaName>(index) == KootaName::Bhakoot) boyClass += " (" + Words(kootas.BhakootDistance) + ")";
        tblKootas->item(row, 1)->setText(boyClass);
        tblKootas->item(row, 2)->setText(Words(KootaClassIn(language, index, koota.Girl)));
        tblKootas->item(row, 3)->setText(Score(koota.Score));
        tblKootas->item(row, 4)->setText(Score(koota.Maximum));
    }
    ShowResult(lblTotal, tr("Total %1 of %2").arg(Score(kootas.Total), Score(AshtakootaMaximum)));
    ShowResult(lblVerdict, tr("Verdict: %1")
                               .arg(Words(VerdictIn(kootas.Verdict, language))));
    QStringList notes;
    for (const std::string& note : MatchNotesIn(match, language)) notes << QString::fromStdString(note);
    ShowResult(lblNotes, notes.isEmpty() ? tr("Notes: none") : tr("Notes:") + '\n' + notes.join('\n'));
    ShowResult(lblBoyManglik, tr("Boy: %1").arg(QString::fromStdString(ManglikSummary(match.BoyManglik, language))));
    ShowResult(lblGirlManglik, tr("Girl: %1").arg(QString::fromStdString(ManglikSummary(match.GirlManglik, language))));
    for (std::size_t index = 0; index < match.Agreements.Agrees.size(); ++index) {
        tblPoruthams->item(static_cast<int>(index), 1)
            ->setText(match.Agreements.Agrees[index] ? tr("agrees") : tr("does not agree"));
    }
    ShowResult(lblPoruthamCount,
               tr("%1 of %2 agree").arg(match.Agreements.AgreeCount()).arg(match.Agreements.Agrees.size()));
}

void frmMatching::FitTables() {
    for (QTableWidget* table : {tblKootas, tblPoruthams}) {
        table->resizeColumnsToContents();
        FitToCells(*table);
    }
    // The filled tables are wider: the window grows rather than laying labels over them.
    layout()->activate();
    resize(size().expandedTo(sizeHint()));
}

void frmMatching::SaveAsText() {
    if (!matched_) return;
    SaveMatch({tr("Save the matching as text"), tr("Text (*.txt)"), "txt", "Kundali Matching.txt"},
              [this] { return MatchTextReport((*matched_)[0], (*matched_)[1], DesktopLanguage()); });
}

void frmMatching::ExportPdf() {
    if (!matched_) return;
    SaveMatch({tr("Export the matching as PDF"), tr("PDF (*.pdf)"), "pdf", "Kundali Matching.pdf"},
              [this] {
                  return MatchPdf((*matched_)[0], (*matched_)[1], ReadPaper(session_.Settings()), DesktopLanguage());
              });
}

void frmMatching::SaveMatch(FileDialogSettings dialog, const std::function<std::string()>& bytes) {
    // In the folder last saved to.
    if (!lastSavePath_.isEmpty()) dialog.fileName = QFileInfo(lastSavePath_).dir().filePath(dialog.fileName);
    const auto chosen = dialogs_.ShowSave(this, dialog);
    if (!chosen || chosen->isEmpty()) return;
    lastSavePath_ = *chosen;
    if (const auto problem = WriteWholeFile(*chosen, bytes())) {
        messages_.ShowCritical(this, tr("Grahavani"),
                               FileProblemMessage(tr("The matching could not be saved to"), *chosen, *problem));
    }
}

}  // namespace grahavani
