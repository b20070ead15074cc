#include "desktop/ui/chart_session.h"

#include <QPushButton>
#include <QScreen>

#include "chart/compute_chart.h"
#include "desktop/files/file_commands.h"
#include "desktop/ui/frm_display.h"
#include "desktop/ui/frm_main.h"
#include "desktop/ui/interpretation_view.h"
#include "desktop/ui/mdi.h"

namespace grahavani {

ChartSession::ChartSession(MessageSink& messages, CommonDialog& dialogs)
    : messages_(messages),
      entryForm_(std::make_unique<frmMain>(messages)),
      fileCommands_(std::make_unique<FileCommands>(*this, dialogs, messages)) {
    connect(entryForm_.get(), &frmMain::calculateRequested, this, &ChartSession::CalculateChart);
    connect(entryForm_.get(), &frmMain::exitRequested, this, &ChartSession::RequestExit);
    connect(entryForm_.get(), &frmMain::vendorPageRequested, this,
            &ChartSession::vendorPageRequested);
    connect(entryForm_.get(), &frmMain::aboutRequested, this,
            [this] { emit aboutRequested(entryForm_.get()); });
    connect(entryForm_.get(), &frmMain::coordinateSearchRequested, this,
            &ChartSession::coordinateSearchRequested);
}

ChartSession::~ChartSession() { delete mainWindow_.data(); }

MDI* ChartSession::MainWindow() const { return mainWindow_; }

void ChartSession::ShowEntryForm() { entryForm_->show(); }

void ChartSession::CalculateChart(ChartStyle layout) {
    if (!entryForm_->ValidateInput()) return;
    const BirthEntries entries = entryForm_->Entries();
    // A coordinate that is no 16-bit whole number cannot be stored: say which one.
    if (!entryForm_->PassesCheck(CheckCoordinates(entries))) return;

    birth_ = ToBirthRecord(entries);
    ComputeChart(birth_, chart_);

    MDI& window = EnsureMainWindow();
    frmDisplay& display = window.Display();
    display.FillHeader(birth_);
    display.FillDetails(chart_);
    display.FillSignBoxes(chart_);
    InterpretationView& interpretation = display.Interpretation();
    interpretation.FillPlanetsInSigns(chart_);
    interpretation.ShowNakshatraProfile(chart_.MoonNakshatra);
    interpretation.ShowLagnaProfile(chart_.LagnaSign);
    interpretation.ShowRashiProfile(chart_.MoonRashi);
    display.BringChartToFront();
    interpretation.ScrollHouseDescriptionToStart();
    entryForm_->hide();
    window.StyleButton(layout)->click();
}

MDI& ChartSession::EnsureMainWindow() {
    if (!mainWindow_) {
        mainWindow_ = new MDI;
        mainWindow_->setAttribute(Qt::WA_DeleteOnClose);
        connect(mainWindow_, &MDI::backRequested, this, &ChartSession::Back);
        connect(mainWindow_, &MDI::exitRequested, this, &ChartSession::RequestExit);
        connect(mainWindow_, &MDI::vendorPageRequested, this, &ChartSession::vendorPageRequested);
        connect(mainWindow_, &MDI::aboutRequested, this,
                [this] { emit aboutRequested(mainWindow_); });
        const std::pair<void (MDI::*)(), void (FileCommands::*)()> fileCommands[] = {
            {&MDI::newRequested, &FileCommands::New},
            {&MDI::openRequested, &FileCommands::Open},
            {&MDI::saveRequested, &FileCommands::Save},
            {&MDI::saveAsRequested, &FileCommands::SaveAs},
            {&MDI::exportRequested, &FileCommands::Export},
            {&MDI::printRequested, &FileCommands::Print},
            {&MDI::saveAsJpgRequested, &FileCommands::SaveAsJpg}};
        for (const auto& [request, command] : fileCommands) {
            connect(mainWindow_, request, this,
                    [this, command = command] { (fileCommands_.get()->*command)(); });
        }
        // Without a window manager a maximize request does nothing: start at full size.
        mainWindow_->setGeometry(entryForm_->screen()->availableGeometry());
        mainWindow_->showMaximized();
    }
    return *mainWindow_;
}

void ChartSession::Back() {
    if (mainWindow_) mainWindow_->CloseForBack();
    // The closed window deletes itself later; the next calculation makes a new one.
    mainWindow_ = nullptr;
    entryForm_->show();
    entryForm_->activateWindow();  // so the keyboard is back in the form
}

void ChartSession::UnloadForms() {
    unloading_ = true;
    if (mainWindow_) mainWindow_->close();
    entryForm_->close();
}

void ChartSession::RequestExit() {
    if (!unloading_) emit exitRequested();
}

}  // namespace grahavani
