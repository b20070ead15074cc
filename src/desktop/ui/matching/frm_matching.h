#pragma once
// File → Kundali Matching: the boy's and the girl's charts, each the chart on screen or a chart
// file, matched: the eight kootas with their total and verdict, the notes, both charts' Manglik
// and the ten poruthams; Save As Text writes the report grahavani-chart --match writes, Export PDF
// the same on the paper the settings choose.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include <QDialog>

#include "desktop/files/common_dialog.h"
#include "matching/match_report.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace grahavani {

class ChartSession;
class MatchPartner;
class MessageSink;

class frmMatching final : public QDialog {
    Q_OBJECT
public:
    frmMatching(ChartSession& session, CommonDialog& dialogs, MessageSink& messages);

    // Shows the window over `owner`, offering the chart on screen if there is one.
    void ShowFor(QWidget* owner);

private:
    // The chart of one side, computed by the settings' choices; none after a message.
    std::optional<MatchedChart> ChartOf(const MatchPartner& partner);
    void Match();
    void ShowMatch(const MatchedChart& boy, const MatchedChart& girl);
    // Every text in the language shown, the results of the last match too.
    void Retranslate();
    void SaveAsText();
    void ExportPdf();
    // Asks for the file and writes the bytes whole; a failure is reported and leaves the old file.
    void SaveMatch(FileDialogSettings dialog, const std::function<std::string()>& bytes);
    // Each table as wide and tall as its cells, so that nothing scrolls.
    void FitTables();

    ChartSession& session_;
    CommonDialog& dialogs_;
    MessageSink& messages_;
    std::optional<std::array<MatchedChart, 2>> matched_;  // the boy's and the girl's
    QString lastSavePath_;
    MatchPartner* boy_;
    MatchPartner* girl_;
    QPushButton* cmdMatch;
    QPushButton* cmdSaveAsText;
    QPushButton* cmdExportPdf;
    QPushButton* cmdClose;
    QLabel* lblTotal;
    QLabel* lblVerdict;
    QTableWidget* tblKootas;
    QLabel* lblNotes;
    QLabel* lblBoyManglik;
    QLabel* lblGirlManglik;
    QTableWidget* tblPoruthams;
    QLabel* lblPoruthamCount;
};

}  // namespace grahavani
