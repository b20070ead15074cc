#pragma once
// The program's one birth record and one chart result, and the windows that show
// them: the entry form for the program's life, the main window while a chart is up.

#include <memory>
#include <optional>

#include <QObject>
#include <QPointer>

class QSettings;

#include "chart/chart_timing.h"
#include "model/birth_entries.h"
#include "model/birth_record.h"
#include "model/chart_options.h"
#include "model/chart_result.h"
#include "model/language.h"
#include "desktop/ui/chart/chart_style.h"
#include "desktop/ui/widgets/vendor_page.h"

namespace grahavani {

class CommonDialog;
class FileCommands;
class frmMain;
class frmMatching;
class MDI;
class MessageSink;

class ChartSession final : public QObject {
    Q_OBJECT
public:
    // The settings hold the chart choices; they must outlive the session.
    ChartSession(MessageSink& messages, CommonDialog& dialogs, QSettings& settings);
    ~ChartSession() override;

    frmMain& EntryForm() { return *entryForm_; }
    FileCommands& Files() { return *fileCommands_; }
    // Null while no chart is on screen.
    MDI* MainWindow() const;
    const BirthRecord& Birth() const { return birth_; }
    // The entries the chart on screen was calculated from.
    const BirthEntries& Entries() const { return entries_; }
    const ChartResult& Chart() const { return chart_; }
    // The options the chart on screen was computed by.
    const ChartOptions& Options() const { return options_; }
    const ChartTiming& Timing() const { return timing_; }
    // The chart choices, the paper among them.
    QSettings& Settings() const { return settings_; }

    void ShowEntryForm();
    // From the entry form to the chart on screen in the given layout, by the engine the
    // settings choose. Entries that fail a check, and charts the Swiss Ephemeris cannot
    // compute, are reported and leave both records and the windows as they were.
    void CalculateChart(ChartStyle layout);
    // The chart on screen computed again from its birth record by the settings' choices, every
    // view refreshed in the style and frame on show: what a View menu choice does at once. A
    // chart that cannot be computed is reported and the old one stays.
    void RecomputeChart();
    // Closes the main window and shows the entry form with the fields as typed.
    void Back();
    // Closes every window without asking to end the program again.
    void UnloadForms();
    // Shows the kundali matching window, made once and kept while the program runs.
    void ShowMatching();
    // Every window in `language` at once, the chart's own texts too, and the choice kept in the
    // settings for later starts. Entries, chart, style and the views shown stay as they are.
    void SwitchLanguage(Language language);

signals:
    // An exit command or a close box: the program should end.
    void exitRequested();
    // The windows' links and Help menus, passed on to the application shell.
    void vendorPageRequested(VendorPage page);
    void aboutRequested(QWidget* parent);
    void coordinateSearchRequested();

private:
    MDI& EnsureMainWindow();
    // The chart and its timing by the settings' choices, kept as the session's records; a
    // failure is reported over the parent and leaves the records as they were.
    std::optional<ChartTiming> Compute(const BirthEntries& entries, const BirthRecord& birth,
                                       QWidget* parent);
    // The engine for entries whose zone the classic engine would read backwards, as the
    // user answers; otherwise the one chosen.
    Engine EngineForZone(const BirthEntries& entries, const BirthRecord& birth, Engine chosen,
                         QWidget* parent);
    // Fills every view of the main window from the records and the settings.
    void ShowChart(MDI& window, const ChartTiming& timing);
    // The texts ShowChart wrote, again in the language now installed.
    void ShowChartTextsAgain(MDI& window);
    void RequestExit();

    MessageSink& messages_;
    CommonDialog& dialogs_;
    QSettings& settings_;
    BirthEntries entries_;  // as the chart was calculated from them
    BirthRecord birth_;
    ChartResult chart_;
    ChartOptions options_;
    ChartTiming timing_;
    std::unique_ptr<frmMain> entryForm_;
    std::unique_ptr<FileCommands> fileCommands_;  // its paths outlive the main window
    QPointer<MDI> mainWindow_;
    std::unique_ptr<frmMatching> matching_;
    bool unloading_ = false;
};

}  // namespace grahavani
