#pragma once
// One side of the kundali matching, the boy's or the girl's: the chart on screen, or a chart
// file read as File → Open reads it. A file that does not state its zone gets a zone list and a
// daylight-saving tick, set from the entry form.

#include <optional>

#include <QGroupBox>

#include "model/birth_entries.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace grahavani {

class ChartSession;
class CommonDialog;
class FieldList;
class MessageSink;

class MatchPartner final : public QGroupBox {
    Q_OBJECT
public:
    // What the box's controls say of the boy or the girl, whole, so a translation can inflect them.
    struct Words {
        QString title;           // "&Boy"
        QString currentChart;    // "Boy's chart: the current chart"
        QString fileChart;       // "Boy's chart: a chart file"
        QString chooseFile;      // "Choose Boy's File..."
        QString chooseFileName;  // "Choose the boy's chart file"
        QString chartFile;       // "Boy's chart file"
        QString timeZone;        // "Boy's time zone"
        QString daylightSaving;  // "Boy's daylight saving time"
        QString dialogTitle;     // "Select the boy's chart file"
        QString missingChart;    // "Choose the boy's chart file, or the current chart."
    };

    // `side` is "Boy" or "Girl": the box's title, its mnemonic, and the first word of its
    // controls' names.
    MatchPartner(QWidget* parent, const QString& side, ChartSession& session, CommonDialog& dialogs,
                 MessageSink& messages);

    // Offers the chart on screen, or says why it cannot be chosen.
    void OfferCurrentChart(bool calculated);
    bool UsesCurrentChart() const;
    // The chart file's entries with the zone chosen for it; none before a file is read.
    std::optional<BirthEntries> FileEntries() const;
    const QString& Side() const { return side_; }
    const Words& SideWords() const { return words_; }
    const QString& FileName() const { return fileName_; }
    // The button that reads a file, for the focus when one is missing.
    QPushButton* FileButton() const { return cmdFile; }

private:
    void ChooseFile();
    // Every text of the box in the language shown, the lines on the chart and the file too.
    void Retranslate();
    void ShowCurrentChartLine();
    void ShowFileLine();

    ChartSession& session_;
    CommonDialog& dialogs_;
    MessageSink& messages_;
    QString side_;
    Words words_;
    QString fileName_;
    std::optional<BirthEntries> fileEntries_;
    bool fileStatesZone_ = false;
    bool offered_ = false;  // OfferCurrentChart was called
    QRadioButton* optCurrent;
    QLabel* lblCurrent;
    QRadioButton* optFile;
    QPushButton* cmdFile;
    QLabel* lblFile;
    FieldList* cboZone;
    QCheckBox* chkDST;
};

}  // namespace grahavani
