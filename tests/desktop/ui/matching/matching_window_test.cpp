#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>

#include "chart/compute_chart.h"
#include "desktop/ui/chart/chart_settings.h"
#include "formats/chart_file.h"
#include "formats/text_codec.h"
#include "matching/chart_match.h"
#include "matching/match_report.h"
#include "model/reference_tables.h"
#include "render/match_pdf.h"
#include "tests/desktop/ui/session_fixture.h"

namespace grahavani::test {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

QByteArray Bytes(const std::string& bytes) { return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())); }

// The PDF's bytes without the moment it was written.
QByteArray Undated(const QByteArray& pdf) {
    return QString::fromLatin1(pdf).remove(QRegularExpression("/CreationDate \\([^)]*\\)")).toLatin1();
}

class MatchingWindowTest : public SessionTest {
protected:
    MatchingWindowTest() { EnterDelhi1947(); }

    QDialog* Window() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "frmMatching") return qobject_cast<QDialog*>(window);
        }
        ADD_FAILURE() << "no matching window";
        return nullptr;
    }
    template <typename Widget>
    Widget* InWindow(const QString& name) { return Find<Widget>(Window(), name); }
    void Press(const QString& button) { QTest::mouseClick(InWindow<QPushButton>(button), Qt::LeftButton); }
    void ChooseFile(const QString& side, const QString& path) {
        dialogs.paths.push_back(path);
        Press("cmd" + side + "File");
    }
    // The chart the file holds, read over the form's entries and computed as the settings say.
    MatchedChart ChartOfFile(const QString& path, std::optional<std::size_t> zoneRow = std::nullopt) {
        BirthEntries entries = session.EntryForm().Entries();
        const QByteArray bytes = ReadAll(path);
        EXPECT_TRUE(std::holds_alternative<ChartFileClock>(ReadChartFile(bytes.toStdString(), entries)));
        if (zoneRow) {
            entries.TimeZoneRow = *zoneRow;
            entries.ZoneOffsetSeconds.reset();
            entries.ExtraZone.reset();
        }
        MatchedChart matched{ToBirthRecord(entries), {}};
        ComputeChart(matched.Birth, matched.Chart, ReadChartOptions(settings));
        return matched;
    }
    void SaveChart(const QString& path) {
        dialogs.paths.push_back(path);
        OnMainWindow<QAction>("mnuSaveAs")->trigger();
    }

    QTemporaryDir folder;
};

TEST_F(MatchingWindowTest, TheCurrentChartIsOfferedOnlyWhileOneIsOnScreen) {
    OnForm<QAction>("mnuMatching")->trigger();
    ASSERT_TRUE(Window());
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_FALSE(InWindow<QRadioButton>("optBoyCurrent")->isEnabled());
    EXPECT_TRUE(InWindow<QRadioButton>("optGirlFile")->isChecked());
    EXPECT_EQ(InWindow<QLabel>("lblGirlCurrent")->text(), "No chart is calculated: calculate one to match it.");
    EXPECT_EQ(InWindow<QRadioButton>("optGirlCurrent")->accessibleDescription(),
              InWindow<QLabel>("lblGirlCurrent")->text());
    // Every control the keyboard reaches has a name for the reader.
    for (const QWidget* control : Window()->findChildren<QWidget*>()) {
        const bool inWindow = control->window() == Window();  // not a list's popup
        if (inWindow && control->focusPolicy() & Qt::TabFocus && !qobject_cast<const QPushButton*>(control)) {
            EXPECT_FALSE(control->accessibleName().isEmpty())
                << control->metaObject()->className() << " " << control->objectName().toStdString();
        }
    }
    Press("cmdMatch");
    EXPECT_EQ(messages.messages, QStringList{"Choose the boy's chart file, or the current chart."});
    EXPECT_FALSE(InWindow<QPushButton>("cmdSaveAsText")->isEnabled());

    Click("cmdCalculate");
    OnMainWindow<QAction>("mnuMatching")->trigger();
    EXPECT_TRUE(InWindow<QRadioButton>("optBoyCurrent")->isEnabled());
    EXPECT_EQ(InWindow<QLabel>("lblBoyCurrent")->text(), "The chart of Asha Rao");
}

// Each pair is matched as MatchCharts matches it, and saved as the command's report.
TEST_F(MatchingWindowTest, MatchesTheChosenChartsAndSavesTheCommandsReport) {
    Click("cmdCalculate");
    const QString boyFile = folder.filePath("asha.gvc");
    SaveChart(boyFile);
    ClickOnMainWindow("cmdBack");
    Type("txtName", "Meera");
    Pick("cboYear", "1950");
    Pick("cboMonth", "March");
    Click("cmdCalculate");
    const QString girlFile = folder.filePath("meera.gvc");
    SaveChart(girlFile);
    const std::string full = ReadAll(girlFile).toStdString();
    const QString fifteenLines = folder.filePath("old.gvc");
    WriteAll(fifteenLines, full.substr(0, full.find(EncodeText("Zone="))));
    std::size_t eastern = 0;  // not the form's zone
    while (TimeZoneList[eastern].displayText != "Eastern Standard Time,EST,-5.0") ++eastern;

    const MatchedChart current{session.Birth(), session.Chart()};
    const struct {
        bool boyCurrent;
        QString girl;
        std::optional<std::size_t> girlZone;
        MatchedChart boy, girlChart;
    } cases[] = {
        {false, girlFile, std::nullopt, ChartOfFile(boyFile), ChartOfFile(girlFile)},
        {true, boyFile, std::nullopt, current, ChartOfFile(boyFile)},
        {false, fifteenLines, eastern, ChartOfFile(boyFile), ChartOfFile(fifteenLines, eastern)},
    };
    OnMainWindow<QAction>("mnuMatching")->trigger();
    for (const auto& c : cases) {
        const std::string name = c.girl.toStdString();
        if (c.boyCurrent) {
            InWindow<QRadioButton>("optBoyCurrent")->click();
        } else {
            ChooseFile("Boy", boyFile);
        }
        ChooseFile("Girl", c.girl);
        EXPECT_EQ(InWindow<QComboBox>("cboGirlZone")->isVisibleTo(Window()), c.girlZone.has_value()) << name;
        EXPECT_EQ(InWindow<QCheckBox>("chkGirlDST")->isVisibleTo(Window()), c.girlZone.has_value()) << name;
        if (c.girlZone) InWindow<QComboBox>("cboGirlZone")->setCurrentIndex(static_cast<int>(*c.girlZone));
        EXPECT_TRUE(InWindow<QLabel>("lblGirlFile")->text().contains(", born ")) << name;
        Press("cmdMatch");
        EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join("; ").toStdString();

        const ChartMatch match = MatchCharts(c.boy.Chart.Longitudes, c.girlChart.Chart.Longitudes);
        EXPECT_EQ(InWindow<QLabel>("lblTotal")->text(),
                  QString::fromStdString("Total " + ScoreText(match.Kootas.Total) + " of 36")) << name;
        EXPECT_EQ(InWindow<QLabel>("lblVerdict")->text(), "Verdict: " + QString::fromUtf8(match.Kootas.Verdict.data()))
            << name;
        // A screen reader hears each named result's text as its description.
        for (const char* result : {"lblTotal", "lblVerdict", "lblNotes", "lblBoyManglik", "lblPoruthamCount", "lblGirlFile"}) {
            EXPECT_EQ(InWindow<QLabel>(result)->accessibleDescription(), InWindow<QLabel>(result)->text()) << result;
        }
        auto* kootas = InWindow<QTableWidget>("tblKootas");
        EXPECT_EQ(kootas->item(7, 0)->text(), "Nadi");
        EXPECT_EQ(kootas->item(7, 3)->text().toStdString(), ScoreText(match.Kootas.Kootas[7].Score)) << name;

        const QString textFile = folder.filePath("match.txt");
        dialogs.paths.push_back(textFile);
        Press("cmdSaveAsText");
        EXPECT_EQ(dialogs.shown.back().filter, "Text (*.txt)");
        EXPECT_EQ(ReadAll(textFile).toStdString(), MatchTextReport(c.boy, c.girlChart)) << name;

        const QString pdfFile = folder.filePath("match.pdf");
        dialogs.paths.push_back(pdfFile);
        Press("cmdExportPdf");
        EXPECT_EQ(dialogs.shown.back().filter, "PDF (*.pdf)");
        EXPECT_TRUE(ReadAll(pdfFile).startsWith("%PDF"));
        EXPECT_EQ(Undated(ReadAll(pdfFile)), Undated(Bytes(MatchPdf(c.boy, c.girlChart, Paper::A4)))) << name;
    }
}

TEST_F(MatchingWindowTest, WhatIsNoChartFileIsRefusedAndKeepsTheFileChosen) {
    Click("cmdCalculate");
    const QString chartFile = folder.filePath("asha.gvc");
    SaveChart(chartFile);
    const QString picture = folder.filePath("picture.gvc");
    WriteAll(picture, std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    OnMainWindow<QAction>("mnuMatching")->trigger();
    ChooseFile("Boy", chartFile);
    const QString shown = InWindow<QLabel>("lblBoyFile")->text();
    ChooseFile("Boy", picture);
    EXPECT_EQ(messages.messages, QStringList{picture + " is not a chart file"});
    EXPECT_EQ(InWindow<QLabel>("lblBoyFile")->text(), shown);
    EXPECT_EQ(dialogs.shown.back().filter, "Grahavani (*.gvc)");
}

}  // namespace
}  // namespace grahavani::test
