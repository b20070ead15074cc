#include "desktop/files/file_commands.h"

#include <QImage>
#include <QPrinter>

#include "formats/chart_file.h"
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
        Window(), {"Select the source file ", "Tarangini (*.gvc)", "gvc", lastFilePath_});
    if (!chosen) return;
    lastFilePath_ = *chosen;
    if (chosen->isEmpty()) return;

    QByteArray bytes;
    if (const auto problem = ReadFileStart(*chosen, ChartFileReadLimit, bytes)) {
        return ReportFileProblem("The chart could not be opened from", *chosen, *problem);
    }
    frmMain& form = session_.EntryForm();
    BirthEntries entries = form.Entries();  // the file holds no time zone or daylight saving
    ReadChartFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                  entries);
    if (MDI* window = session_.MainWindow()) window->Display().ClearChartTexts();
    form.SetEntries(entries);
    form.PressCalculate();
}

void FileCommands::Save() {
    if (currentChartFile_.isEmpty()) return SaveAs();
    WriteChart(currentChartFile_);
}

void FileCommands::SaveAs() {
    QString path;
    if (!ChooseSavePath({"Grahavani", "Grahavani (*.gvc)", "gvc", QString()}, path)) return;
    if (WriteChart(path)) currentChartFile_ = path;
}

void FileCommands::Export() {
    QString path;
    if (!ChooseSavePath({"Select the destination text file ", "Export Chart As Text (*.txt)",
                         "txt", QString()},
                        path)) {
        return;
    }
    if (const auto problem =
            WriteWholeFile(path, BuildTextReport(session_.Birth(), session_.Chart()))) {
        ReportFileProblem("The report could not be saved to", path, *problem);
    }
}

void FileCommands::Print() {
    MDI* window = session_.MainWindow();
    if (!window) return;
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Landscape);  // the chart is wider than tall
    if (!dialogs_.ShowPrinter(window, printer)) return;
    if (const auto problem = PrintOnOnePage(window->Display().ChartFrame(), printer)) {
        messages_.ShowCritical(window, "Grahavani", "The chart could not be printed.\n\n" + *problem);
    }
}

void FileCommands::SaveAsJpg() {
    MDI* window = session_.MainWindow();
    if (!window) return;
    // Grabbed before the dialog opens, so the dialog is not in the picture.
    const QImage picture = window->Display().grab().toImage();
    // The picture is numbered rather than replacing a file, so the dialog does not ask.
    const auto chosen = dialogs_.ShowSave(
        window, {QString(), "JPEG Image (*.jpg)", "JPG", lastPictureName_, false});
    if (!chosen || chosen->isEmpty()) return;
    lastPictureName_ = *chosen;
    SaveChartPicture(picture, *chosen, messages_, window);
}

bool FileCommands::ChooseSavePath(const FileDialogSettings& settings, QString& path) {
    FileDialogSettings shown = settings;
    shown.fileName = lastFilePath_;
    const auto chosen = dialogs_.ShowSave(Window(), shown);
    if (!chosen) return false;
    lastFilePath_ = path = *chosen;
    return true;
}

bool FileCommands::WriteChart(const QString& path) {
    const auto problem = WriteWholeFile(path, WriteChartFile(session_.EntryForm().Entries()));
    if (problem) ReportFileProblem("The chart could not be saved to", path, *problem);
    return !problem;
}

void FileCommands::ReportFileProblem(const QString& failure, const QString& path,
                                     const QString& reason) {
    messages_.ShowCritical(Window(), "Grahavani", FileProblemMessage(failure, path, reason));
}

}  // namespace grahavani
