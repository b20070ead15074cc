#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "chart/shadbala_input.h"
#include "desktop/ui/chart/chart_settings.h"
#include "model/birth_entries.h"
#include "render/horoscope_pdf.h"
#include "model/reference_tables.h"
#include "formats/chart_file.h"
#include "desktop/files/file_commands.h"
#include "formats/text_codec.h"
#include "formats/text_report.h"
#include "tests/desktop/ui/session_fixture.h"
#include "desktop/ui/chart/frm_display.h"

namespace grahavani::test {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Bytes(const std::string& bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// With a chart of 1947 on screen in the North style.
class FileCommandsTest : public SessionTest {
protected:
    FileCommandsTest() {
        EnterDelhi1947();
        Click("cmdCalculate2");
    }
    QString PathOf(const QString& name) const { return folder.filePath(name); }
    FileCommands& Files() { return session.Files(); }
    void Run(const char* command) { OnMainWindow<QAction>(command)->trigger(); }
    void SaveAs(const QString& path) {
        dialogs.paths.push_back(path);
        Run("mnuSaveAs");
    }
    void Open(const QString& path) {
        dialogs.paths.push_back(path);
        Run("mnuOpen");
    }
    QStringList SouthBoxes() {
        QStringList boxes;
        for (int sign = 0; sign < 12; ++sign) boxes << Text(QStringLiteral("lblPlanets(%1)").arg(sign));
        return boxes;
    }
    QStringList FolderEntries() const { return QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries); }
    std::string ChartFileOfForm() { return WriteChartFile(session.EntryForm().Entries()); }

    QTemporaryDir folder;
};

TEST_F(FileCommandsTest, SaveAsThenSaveRewritesInPlaceWithoutADialog) {
    const QString path = PathOf("asha.gvc");
    SaveAs(path);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Grahavani");
    EXPECT_EQ(dialogs.shown[0].filter, "Grahavani (*.gvc)");
    EXPECT_EQ(dialogs.shown[0].defaultSuffix, "gvc");
    EXPECT_EQ(ReadAll(path), Bytes(ChartFileOfForm()));
    EXPECT_EQ(Files().CurrentChartFile(), path);
    EXPECT_EQ(Files().LastFilePath(), path);

    Type("txtName", "Ravi");
    session.MainWindow()->ToolbarButtonClicked("Save");
    EXPECT_EQ(dialogs.shown.size(), 1u) << "Save shows no dialog";
    EXPECT_EQ(ReadAll(path), Bytes(ChartFileOfForm()));
    EXPECT_TRUE(ReadAll(path).startsWith(Bytes(EncodeText("Ravi") + "\r\n")));
    EXPECT_EQ(FolderEntries(), QStringList{"asha.gvc"}) << "no temporary file is left";
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join("; ").toStdString();
}

TEST_F(FileCommandsTest, NewForgetsTheChartFileSoSaveAsksAtTheLastPath) {
    const QString path = PathOf("asha.gvc");
    SaveAs(path);
    Run("mnuNew");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(session.MainWindow(), nullptr);
    EXPECT_TRUE(session.EntryForm().isVisible());
    EXPECT_EQ(OnForm<QLineEdit>("txtName")->text(), "Asha Rao");
    EXPECT_TRUE(Files().CurrentChartFile().isEmpty());

    Click("cmdCalculate");
    Run("mnuSave");  // cancelled
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].title, "Grahavani");
    EXPECT_EQ(dialogs.shown[1].fileName, path);
}

TEST_F(FileCommandsTest, OpenComputesTheSavedChartInTheSouthDrawing) {
    const QString path = PathOf("asha.gvc");
    SaveAs(path);
    Click("cmdCalculate");
    const QStringList savedBoxes = SouthBoxes();
    const std::string savedPositions = session.Chart().PositionTexts[0];
    const QString current = Files().CurrentChartFile();

    // Another chart in another style, with the file's name elsewhere.
    ClickOnMainWindow("cmdBack");
    Pick("cboYear", "1990");
    Pick("cboMonth", "March");
    Type("txtLatDeg", "10");
    Click("cmdCalculate3");
    ASSERT_NE(session.Chart().PositionTexts[0], savedPositions);
    SaveAs(PathOf("other.gvc"));

    Open(path);
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join("; ").toStdString();
    EXPECT_EQ(dialogs.shown.back().title, "Select the source file ");
    EXPECT_EQ(dialogs.shown.back().filter, "Grahavani (*.gvc)");
    EXPECT_EQ(dialogs.shown.back().fileName, PathOf("other.gvc"));
    EXPECT_TRUE(OnMainWindow<QAction>("mnuSouth")->isChecked());
    EXPECT_TRUE(OnMainWindow<QWidget>("picSouthRasi")->isVisible());
    EXPECT_EQ(SouthBoxes(), savedBoxes);
    EXPECT_EQ(session.Chart().PositionTexts[0], savedPositions);
    EXPECT_EQ(Text("lblDOB"), "Date of Birth: August 15, 1947");
    EXPECT_EQ(Files().LastFilePath(), path);
    EXPECT_EQ(Files().CurrentChartFile(), PathOf("other.gvc")) << "Open does not change it";
    EXPECT_NE(current, Files().CurrentChartFile());
}

TEST_F(FileCommandsTest, NamesBeyondTheCodePageSurviveSaveAndOpen) {
    for (const QString& name : {QString("José Müller"), QString("आशा राव")}) {
        Type("txtName", name);
        SaveAs(PathOf("name.gvc"));
        Type("txtName", "someone else");
        Open(PathOf("name.gvc"));
        EXPECT_EQ(OnForm<QLineEdit>("txtName")->text(), name);
        EXPECT_EQ(Text("lblName"), "Name: " + name);
    }
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join("; ").toStdString();
}

TEST_F(FileCommandsTest, FifteenEmptyLinesEmptyTheFieldsAndTheChart) {
    WriteAll(PathOf("empty.gvc"), QByteArray("\r\n").repeated(15));
    OnForm<QRadioButton>("optLong(0)")->setChecked(true);
    Open(PathOf("empty.gvc"));
    EXPECT_EQ(messages.messages, QStringList{"Please Enter Your Name"});
    for (const char* box : {"txtName", "txtLatDeg", "txtCity", "txtCountry"}) {
        EXPECT_TRUE(OnForm<QLineEdit>(box)->text().isEmpty()) << box;
    }
    EXPECT_TRUE(OnForm<QRadioButton>("optLat(1)")->isChecked());
    EXPECT_TRUE(OnForm<QRadioButton>("optLong(1)")->isChecked());
    EXPECT_TRUE(Text("Planet(0)").isEmpty());
    EXPECT_TRUE(Text("lblLagna").isEmpty());
    EXPECT_EQ(SouthBoxes(), QStringList(12, QString()));
    EXPECT_EQ(Text("lblName"), "Name: Asha Rao") << "the header stays";
}

TEST_F(FileCommandsTest, ValuesTheListsDoNotOfferAreNamedAndNoChartIsComputed) {
    BirthEntries valid = session.EntryForm().Entries();
    const struct {
        std::string BirthEntries::*field;
        const char* value;
        const char* message;
    } cases[] = {
        {&BirthEntries::Month, "Janury", "Please choose the month of birth from January to December"},
        {&BirthEntries::Day, "32", "Please choose the day of birth from 1 to 31"},
        {&BirthEntries::Year, "1899", "Please choose the year of birth from 1900 to 2050"},
        {&BirthEntries::Hour, "07", "Please choose the hour of birth from 0 to 24"},
        // The empty-field tests come first, the calendar after the lists.
        {&BirthEntries::Name, "", "Please Enter Your Name"},
        {&BirthEntries::Day, "31", "Please Enter Correct Date Or Month!"},
        {&BirthEntries::LatitudeDegrees, "28x", "Please enter the degrees of latitude as a whole number from -32768 to 32767"},
        // Cut to the box's eight characters it would read as 28.
        {&BirthEntries::LatitudeDegrees, "28      9", "Please Enter Degree of Latitude"},
    };
    valid.Month = "February";  // so day 31 fails the calendar
    valid.Day = "1";
    for (const auto& bad : cases) {
        BirthEntries entries = valid;
        entries.*bad.field = bad.value;
        if (bad.field == &BirthEntries::Name) entries.Month = "Janury";
        WriteAll(PathOf("bad.gvc"), Bytes(WriteChartFile(entries)));
        messages.messages.clear();
        Open(PathOf("bad.gvc"));
        EXPECT_EQ(messages.messages, QStringList{bad.message}) << bad.value;
        EXPECT_TRUE(Text("Planet(0)").isEmpty()) << bad.value;
    }
}

TEST_F(FileCommandsTest, WhatIsNoChartFileIsRefusedAndChangesNothing) {
    const QString chart = Text("Planet(0)");
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) % 256);
    const QByteArray files[] = {binary, QByteArray(3 << 20, '\xE0'), QByteArray("\xB6\r\n").repeated(100000),
                                QByteArray(), QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
                                QByteArray("Asha Rao\r\n15\r\nAugust\r\n")};
    for (const QByteArray& bytes : files) {
        WriteAll(PathOf("odd.gvc"), bytes);
        messages.messages.clear();
        Open(PathOf("odd.gvc"));
        EXPECT_EQ(messages.messages, QStringList{PathOf("odd.gvc") + " is not a chart file"});
        EXPECT_EQ(Text("Planet(0)"), chart);
        EXPECT_EQ(OnForm<QLineEdit>("txtName")->text(), "Asha Rao");
    }
}

TEST_F(FileCommandsTest, OpenTakesTheFilesZoneOrSaysItHasNone) {
    BirthEntries chennai = session.EntryForm().Entries();
    chennai.TimeZoneRow = TimeZoneCount;
    chennai.ExtraZone = ExtraZoneRow{"Chennai 1900, MMT, +5:21:10", 19270};
    chennai.DaylightSaving = false;
    const std::string bytes = WriteChartFile(chennai, "Asia/Kolkata");
    WriteAll(PathOf("chennai.gvc"), Bytes(bytes));
    Pick("cboTimeZone", "Eastern Standard Time,EST,-5.0");  // the form's zone is another
    Open(PathOf("chennai.gvc"));
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join("; ").toStdString();
    EXPECT_EQ(OnForm<QComboBox>("cboTimeZone")->currentText(), "Chennai 1900, MMT, +5:21:10");
    EXPECT_EQ(session.Birth().ZoneOffsetSeconds, 19270);
    EXPECT_EQ(OnForm<QLabel>("lblAtlasZone")->text(), "The chart file's zone: Chennai 1900, MMT, +5:21:10 (Asia/Kolkata)");
    SaveAs(PathOf("again.gvc"));
    EXPECT_EQ(ReadAll(PathOf("again.gvc")), Bytes(bytes));

    const std::string fifteen = bytes.substr(0, bytes.find(EncodeText("Zone=")));
    WriteAll(PathOf("old.gvc"), Bytes(fifteen));
    Pick("cboTimeZone", "Eastern Standard Time,EST,-5.0");
    Open(PathOf("old.gvc"));
    EXPECT_EQ(OnForm<QComboBox>("cboTimeZone")->currentText(), "Eastern Standard Time,EST,-5.0");
    EXPECT_EQ(session.Birth().ZoneOffsetSeconds, -18000);
    EXPECT_EQ(OnForm<QLabel>("lblAtlasZone")->text(), "The chart file does not say its time zone: the form's zone is used.");
}

TEST_F(FileCommandsTest, AnOpenThatCannotReadChangesNothing) {
    const QString chart = Text("Planet(0)");
    QDir(folder.path()).mkdir("folder.gvc");
    ASSERT_EQ(::mkfifo(QFile::encodeName(PathOf("pipe.gvc")).constData(), 0600), 0);
    for (const QString& path : {PathOf("missing.gvc"), PathOf("folder.gvc"), PathOf("pipe.gvc")}) {
        messages.messages.clear();
        Open(path);
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_TRUE(messages.messages[0].contains(path)) << messages.messages[0].toStdString();
        EXPECT_EQ(OnForm<QLineEdit>("txtName")->text(), "Asha Rao");
        EXPECT_EQ(Text("Planet(0)"), chart);
        EXPECT_TRUE(OnMainWindow<QAction>("mnuNorth")->isChecked());
    }
}

TEST_F(FileCommandsTest, CancelledDialogsChangeNothing) {
    const QString path = PathOf("asha.gvc");
    SaveAs(path);
    const QByteArray saved = ReadAll(path);
    Type("txtName", "Ravi");
    for (const char* command : {"mnuOpen", "mnuSaveAs", "mnuExport", "mnuPrint"}) Run(command);
    ClickOnMainWindow("cmdSaveAsJPG");
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_EQ(dialogs.shown.size(), 5u);
    EXPECT_EQ(FolderEntries(), QStringList{"asha.gvc"});
    EXPECT_EQ(ReadAll(path), saved);
    EXPECT_EQ(Files().LastFilePath(), path);
    EXPECT_EQ(Files().CurrentChartFile(), path);
    EXPECT_EQ(OnForm<QLineEdit>("txtName")->text(), "Ravi");
    EXPECT_TRUE(OnMainWindow<QAction>("mnuNorth")->isChecked());
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(FileCommandsTest, AnUnwritableTargetIsReportedAndKeepsTheCurrentFile) {
    const QString path = PathOf("asha.gvc");
    SaveAs(path);
    QDir(folder.path()).mkdir("folder.gvc");
    for (const QString& target : {PathOf("no/such/folder.gvc"), PathOf("folder.gvc")}) {
        messages.messages.clear();
        SaveAs(target);
        ASSERT_EQ(messages.messages.size(), 1) << target.toStdString();
        EXPECT_TRUE(messages.messages[0].contains(target));
        EXPECT_EQ(Files().CurrentChartFile(), path);
        EXPECT_EQ(Files().LastFilePath(), target);
    }
}

// Files may grow to no more than a few bytes: a full disk, even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int);
};

TEST_F(FileCommandsTest, AFailedSaveKeepsTheOldFile) {
    const QString path = PathOf("asha.gvc");
    SaveAs(path);
    const QByteArray saved = ReadAll(path);
    Type("txtName", "Ravi");
    {
        const FileSizeLimit full(8);
        Run("mnuSave");
    }
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].contains(path));
    EXPECT_EQ(ReadAll(path), saved);
    EXPECT_EQ(FolderEntries(), QStringList{"asha.gvc"});
}

TEST_F(FileCommandsTest, AReadOnlyFolderKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    const QString path = PathOf("asha.gvc");
    SaveAs(path);
    const QByteArray saved = ReadAll(path);
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    Type("txtName", "Ravi");
    Run("mnuSave");
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].contains(path));
    EXPECT_EQ(ReadAll(path), saved);
}

TEST_F(FileCommandsTest, ExportWritesTheReportOfTheLastCalculation) {
    const QString chartFile = PathOf("asha.gvc");
    SaveAs(chartFile);
    Type("txtName", "typed after the calculation");
    dialogs.paths.push_back(PathOf("asha.txt"));
    Run("mnuExport");
    EXPECT_EQ(dialogs.shown.back().title, "Select the destination text file ");
    EXPECT_EQ(dialogs.shown.back().filter, "Export Chart As Text (*.txt)");
    EXPECT_EQ(dialogs.shown.back().defaultSuffix, "txt");
    EXPECT_EQ(dialogs.shown.back().fileName, PathOf("Asha Rao.txt"));  // never the chart file's
    EXPECT_EQ(ReadAll(PathOf("asha.txt")), Bytes(BuildTextReport(session.Birth(), session.Chart())));
    EXPECT_TRUE(ReadAll(PathOf("asha.txt")).startsWith("Name: Asha Rao\r\n"));
    EXPECT_EQ(Files().LastFilePath(), PathOf("asha.txt"));
    EXPECT_EQ(Files().CurrentChartFile(), chartFile);
    Run("mnuSaveAs");  // cancelled: after a report, the chart's name as a chart file
    EXPECT_EQ(dialogs.shown.back().fileName, PathOf("Asha Rao.gvc"));
}

// The PDF's bytes without the moment it was written.
QByteArray Undated(const QByteArray& pdf) {
    return QString::fromLatin1(pdf).remove(QRegularExpression("/CreationDate \\([^)]*\\)")).toLatin1();
}

TEST_F(FileCommandsTest, ExportPdfWritesTheHoroscopeOnTheChosenPaperAndAFailureKeepsTheOldFile) {
    const QString path = PathOf("asha.pdf");
    const Horoscope shown{session.Birth(), OnForm<QComboBox>("cboTimeZone")->currentText().toStdString(),
                          session.Options(), session.Chart(), session.Timing(),
                          ComputeShadbala(ShadbalaInputOf(session.Birth(), session.Chart(), session.Timing().Sunrise))};
    for (const auto& [paper, mediaBox] : {std::pair{Paper::Letter, "/MediaBox [0 0 612.000000 792.000000]"},
                                          std::pair{Paper::A4, "/MediaBox [0 0 595.000000 842.000000]"}}) {
        WritePaper(settings, paper);
        dialogs.paths.push_back(path);
        Run("mnuExportPdf");
        EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join("; ").toStdString();
        const QByteArray written = ReadAll(path);
        EXPECT_TRUE(written.startsWith("%PDF"));
        EXPECT_TRUE(written.contains(mediaBox)) << mediaBox;
        EXPECT_EQ(Undated(written), Undated(Bytes(HoroscopePdf(shown, paper))));
    }
    EXPECT_EQ(dialogs.shown.front().filter, "PDF (*.pdf)");
    EXPECT_EQ(dialogs.shown.front().defaultSuffix, "pdf");
    EXPECT_EQ(dialogs.shown.front().fileName, "Asha Rao.pdf");
    EXPECT_EQ(dialogs.shown.back().fileName, PathOf("Asha Rao.pdf"));

    const QByteArray saved = ReadAll(path);
    dialogs.paths.push_back(path);
    {
        const FileSizeLimit full(8);
        Run("mnuExportPdf");
    }
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].startsWith("The horoscope could not be saved to\n" + path));
    EXPECT_EQ(ReadAll(path), saved);
    EXPECT_EQ(FolderEntries(), QStringList{"asha.pdf"});
}

TEST_F(FileCommandsTest, ExportPdfDrawsAsTheChartWindowDraws) {
    Horoscope shown{session.Birth(), OnForm<QComboBox>("cboTimeZone")->currentText().toStdString(),
                    session.Options(), session.Chart(), session.Timing(),
                    ComputeShadbala(ShadbalaInputOf(session.Birth(), session.Chart(), session.Timing().Sunrise))};
    for (const auto& [style, item] : {std::pair{ChartStyle::South, "mnuSouth"}, std::pair{ChartStyle::East, "mnuEast"}}) {
        Run(item);
        Run("mnuLagnaAtTop");
        shown.Style = style;
        shown.LagnaAtTop = !shown.LagnaAtTop;
        dialogs.paths.push_back(PathOf("asha.pdf"));
        Run("mnuExportPdf");
        EXPECT_EQ(Undated(ReadAll(PathOf("asha.pdf"))), Undated(Bytes(HoroscopePdf(shown, ReadPaper(settings)))))
            << item;
    }
}

TEST_F(FileCommandsTest, PrintPutsTheChartOnOnePage) {
    dialogs.pdfFile = PathOf("chart.pdf");
    session.MainWindow()->ToolbarButtonClicked("Print");
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join("; ").toStdString();
    const QByteArray pdf = ReadAll(dialogs.pdfFile);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    const auto pages = QRegularExpression("/Type\\s*/Page\\b").globalMatch(QString::fromLatin1(pdf));
    int pageCount = 0;
    for (auto match = pages; match.hasNext(); match.next()) ++pageCount;
    EXPECT_EQ(pageCount, 1);
}

TEST_F(FileCommandsTest, SaveAsJpgWritesTheDisplayAtItsSize) {
    dialogs.paths = {PathOf("asha"), PathOf("asha")};
    ClickOnMainWindow("cmdSaveAsJPG");
    ClickOnMainWindow("cmdSaveAsJPG");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[0].title.isEmpty());
    EXPECT_EQ(dialogs.shown[0].filter, "JPEG Image (*.jpg)");
    EXPECT_EQ(dialogs.shown[0].defaultSuffix, "JPG");
    EXPECT_TRUE(dialogs.shown[0].fileName.isEmpty());
    EXPECT_EQ(dialogs.shown[1].fileName, PathOf("asha"));
    EXPECT_FALSE(dialogs.shown[0].confirmOverwrite) << "a picture never replaces a file";
    EXPECT_EQ(FolderEntries(), (QStringList{"asha.jpg", "asha_001.jpg"}));
    const QWidget* display = OnMainWindow<QWidget>("frmDisplay");
    const QImage picture(PathOf("asha.jpg"));
    EXPECT_EQ(picture.size(), display->size() * display->devicePixelRatio());
    EXPECT_TRUE(Files().LastFilePath().isEmpty()) << "the picture's name is kept apart";
}

// The picture and the printed page are of the chart frame, which carries the caption.
TEST_F(FileCommandsTest, SaveAsJpgPicturesTheVargaShown) {
    dialogs.paths = {PathOf("rasi"), PathOf("dasamsa")};
    ClickOnMainWindow("cmdSaveAsJPG");
    session.MainWindow()->ChooseVarga(6);
    ClickOnMainWindow("cmdSaveAsJPG");
    const QImage rasi(PathOf("rasi.jpg"));
    ASSERT_FALSE(rasi.isNull());
    EXPECT_NE(QImage(PathOf("dasamsa.jpg")), rasi);
    auto* caption = OnMainWindow<QLabel>("lblChartCaption");
    EXPECT_EQ(caption->text(), "North Indian Style · D10 Dasamsa");
    EXPECT_TRUE(session.MainWindow()->Display().ChartFrame().isAncestorOf(caption));
}

}  // namespace
}  // namespace grahavani::test
