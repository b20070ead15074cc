#pragma once
// The main window's file and output commands (New, Open, Save, Save As, text export, the PDF
// horoscope, print, Save As JPG) and the paths they remember while the program runs. A file
// that cannot be read or written is reported by name and reason, and changes nothing.

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace grahavani {

class ChartSession;
class CommonDialog;
class MessageSink;
struct FileDialogSettings;

class FileCommands {
    Q_DECLARE_TR_FUNCTIONS(FileCommands)

public:
    FileCommands(ChartSession& session, CommonDialog& dialogs, MessageSink& messages);

    void New();
    // Reads a chart file into the entry form and calculates it in the South style.
    void Open();
    // Rewrites the current chart file without a dialog, or asks for one like Save As.
    void Save();
    void SaveAs();
    void Export();
    // The horoscope of the chart on screen as a PDF, on the paper the settings choose.
    void ExportPdf();
    void Print();
    void SaveAsJpg();

    // The path last chosen in the Open, Save As or export dialog.
    const QString& LastFilePath() const { return lastFilePath_; }
    // The chart file that Save rewrites.
    const QString& CurrentChartFile() const { return currentChartFile_; }

private:
    QWidget* Window() const;
    // "<chart's name>.<suffix>" in the folder of the last path.
    QString NamedAfterTheChart(const QString& suffix) const;
    // Shows the save dialog; a chosen path becomes the last path.
    bool ChooseSavePath(const FileDialogSettings& settings, QString& path);
    bool WriteChart(const QString& path);
    void ReportFileProblem(const QString& failure, const QString& path, const QString& reason);

    ChartSession& session_;
    CommonDialog& dialogs_;
    MessageSink& messages_;
    QString lastFilePath_;
    QString currentChartFile_;
    QString lastPictureName_;  // the JPEG dialog keeps its own name
};

}  // namespace grahavani
