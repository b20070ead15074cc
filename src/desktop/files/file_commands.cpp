#include "desktop/files/file_commands.h"
#include "desktop/ui/language/desktop_translator.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>

#include "chart/shadbala_input.h"
#include "engines/precise/ephemeris_failure.h"
#include "formats/chart_file.h"
#include "render/horoscope_pdf.h"
#include "desktop/ui/chart/chart_settings.h"
#include "desktop/files/chart_file_reading.h"
#include "desktop/files/chart_picture.h"
#include "desktop/files/chart_print.h"
#include "desktop/files/common_dialog.h"
#include "formats/text_report.h"
#include "desktop/files/whole_file.h"
#include "desktop/ui/chart/chart_session.h"
#include "desktop/ui/chart/frm_display.h"
#include "desktop/ui/entry/frm_main.h"
#include "desktop/ui/chart/mdi.h"
#include "desktop/ui/widgets/message_sink.h"

namespace grahavani {

FileCommands::FileCommands(ChartSession& session, CommonDialog& dialogs, MessageSink& messages)
    : session_(session), dialogs_(dialogs), messages_(messages) {}

QWidget* FileCommands::Window() const {
    if (MDI* window = session_.MainWindow()) return window;
    return &session_.EntryForm();
}

void FileCommands::New() {
    currentChartFile_.clear();
    session_.Back();
}

void FileCommands::Open() {
    const auto chosen = dialogs_.ShowOpen(
        Window(), {tr("Select the source file "), tr("Grahavani (*.gvc)"), "gvc", lastFilePath_});
    if (!chosen) return;
    lastFilePath_ = *chosen;
    if (chosen->isEmpty()) return;

    frmMain& form = session_.EntryForm();
    BirthEntries entries = form.Entries();  // a file of the 15 lines alone keeps the form's zone
    const auto read = ReadChartFileAt(*chosen, entries);
    if (const auto* problem = std::get_if<QString>(&read)) {
        return messages_.ShowCritical(Window(), tr("Grahavani"), *problem);
    }
    const ChartFileClock& clock = std::get<ChartFileClock>(read);
    if (MDI* window = session_.MainWindow()) window->Display().ClearChartTexts();
    form.SetEntries(entries);
    form.TakeFileZone(clock.StatesZone, entries, clock.AtlasTimeZone);
    form.PressCalculate();
}

void FileCommands::Save() {
    if (currentChartFile_.isEmpty()) return SaveAs();
    WriteChart(currentChartFile_);
}

void FileCommands::SaveAs() {
    QString path;
    // The last path when it is a chart file's, else the chart's name.
    const QString proposed = lastFilePath_.endsWith(".gvc") ? lastFilePath_ : NamedAfterTheChart("gvc");
    if (!ChooseSavePath({tr("Grahavani"), tr("Grahavani (*.gvc)"), "gvc", proposed}, path)) return;
    if (WriteChart(path)) currentChartFile_ = path;
}

void FileCommands::Export() {
    QString path;
    // Never a chart file's name, which the report would replace.
    if (!ChooseSavePath({tr("Select the destination text file "), tr("Export Chart As Text (*.txt)"),
                         "txt", NamedAfterTheChart("txt")},
                        path)) {
        return;
    }
    if (const auto problem =
            WriteWholeFile(path, BuildTextReport(session_.Birth(), session_.Chart(), DesktopLanguage()))) {
        ReportFileProblem(tr("The report could not be saved to"), path, *problem);
    }
}

void FileCommands::ExportPdf() {
    QString path;
    if (!ChooseSavePath({tr("Export PDF"), tr("PDF (*.pdf)"), "pdf", NamedAfterTheChart("pdf")}, path)) return;
    Horoscope horoscope{session_.Birth(), ZoneTextOf(session_.Entries()), session_.Options(), session_.Chart(),
                        session_.Timing(), {}};
    horoscope.Language = DesktopLanguage();
    if (const MDI* window = session_.MainWindow()) {  // drawn as the chart window draws it
        horoscope.Style = window->Style();
        horoscope.LagnaAtTop = window->LagnaAtTop();
    }
    try {
        horoscope.Strengths =
            ComputeShadbala(ShadbalaInputOf(horoscope.Birth, horoscope.Chart, horoscope.Timing.Sunrise));
    } catch (const EphemerisFailure& failure) {
        return ReportFileProblem(tr("The horoscope could not be saved to"), path, QString::fromStdString(failure.MessageIn(DesktopLanguage())));
    }
    if (const auto problem = WriteWholeFile(path, HoroscopePdf(horoscope, ReadPaper(session_.Settings())))) {
        ReportFileProblem(tr("The horoscope could not be saved to"), path, *problem);
    }
}

void FileCommands::Print() {
    MDI* window = session_.MainWindow();
    if (!window) return;
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Landscape);  // the chart is wider than tall
    if (!dialogs_.ShowPrinter(window, printer)) return;
    if (const auto problem = PrintOnOnePage(window->Display().ChartFrame(), printer)) {
        messages_.ShowCritical(window, tr("Grahavani"), tr("The chart could not be printed.") + "\n\n" + *problem);
    }
}

void FileCommands::SaveAsJpg() {
    MDI* window = session_.MainWindow();
    if (!window) return;
    // Grabbed before the dialog opens, so the dialog is not in the picture.
    const QImage picture = window->Display().grab().toImage();
    // The picture is numbered rather than replacing a file, so the dialog does not ask.
    const auto chosen = dialogs_.ShowSave(
        window, {QString(), tr("JPEG Image (*.jpg)"), "JPG", lastPictureName_, false});
    if (!chosen || chosen->isEmpty()) return;
    lastPictureName_ = *chosen;
    SaveChartPicture(picture, *chosen, messages_, window);
}

QString FileCommands::NamedAfterTheChart(const QString& suffix) const {
    QString name = QString::fromStdString(session_.Birth().Name).trimmed();
    name.replace('/', '-');  // a name is no folder
    if (name.isEmpty()) name = "chart";
    const QString file = name + "." + suffix;
    if (lastFilePath_.isEmpty()) return file;
    return QFileInfo(lastFilePath_).dir().filePath(file);
}

bool FileCommands::ChooseSavePath(const FileDialogSettings& settings, QString& path) {
    const auto chosen = dialogs_.ShowSave(Window(), settings);
    if (!chosen) return false;
    lastFilePath_ = path = *chosen;
    return true;
}

bool FileCommands::WriteChart(const QString& path) {
    const frmMain& form = session_.EntryForm();
    const auto problem = WriteWholeFile(path, WriteChartFile(form.Entries(), form.AtlasTimeZone()));
    if (problem) ReportFileProblem(tr("The chart could not be saved to"), path, *problem);
    return !problem;
}

void FileCommands::ReportFileProblem(const QString& failure, const QString& path,
                                     const QString& reason) {
    messages_.ShowCritical(Window(), tr("Grahavani"), FileProblemMessage(failure, path, reason));
}

}  // namespace grahavani
