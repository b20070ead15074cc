#include "desktop/ui/chart/chart_session.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QPushButton>
#include <QScreen>
#include <QSettings>

#include <utility>

#include "atlas/zone_direction.h"
#include "chart/chart_timing.h"
#include "chart/compute_chart.h"
#include "engines/precise/birth_instant.h"
#include "engines/precise/ephemeris_failure.h"
#include "timing/local_time.h"
#include "model/reference_tables.h"
#include "desktop/ui/chart/chart_settings.h"
#include "desktop/ui/reading/dasha_panchang_tab.h"
#include "desktop/ui/chart/ephemeris_caption.h"
#include "desktop/files/file_commands.h"
#include "desktop/ui/chart/frm_display.h"
#include "desktop/ui/entry/frm_main.h"
#include "desktop/ui/matching/frm_matching.h"
#include "desktop/ui/reading/ashtakavarga_tab.h"
#include "desktop/ui/reading/interpretation_view.h"
#include "desktop/ui/reading/shadbala_tab.h"
#include "desktop/ui/reading/planets_tab.h"
#include "desktop/ui/chart/mdi.h"
#include "desktop/ui/language/desktop_translator.h"
#include "desktop/ui/language/language_setting.h"
#include "desktop/ui/widgets/message_sink.h"

namespace grahavani {

namespace {

double NowJulianDayUT() {
    return UnixEpochJulianDay +
           static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / (SecondsPerDay * 1000);
}

}  // namespace

ChartSession::ChartSession(MessageSink& messages, CommonDialog& dialogs, QSettings& settings)
    : messages_(messages),
      dialogs_(dialogs),
      settings_(settings),
      entryForm_(std::make_unique<frmMain>(messages)),
      fileCommands_(std::make_unique<FileCommands>(*this, dialogs, messages)) {
    connect(entryForm_.get(), &frmMain::calculateRequested, this, &ChartSession::CalculateChart);
    connect(entryForm_.get(), &frmMain::openRequested, this, [this] { fileCommands_->Open(); });
    connect(entryForm_.get(), &frmMain::matchingRequested, this, &ChartSession::ShowMatching);
    connect(entryForm_.get(), &frmMain::languageChosen, this, &ChartSession::SwitchLanguage);
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

void ChartSession::ShowMatching() {
    if (!matching_) matching_ = std::make_unique<frmMatching>(*this, dialogs_, messages_);
    matching_->ShowFor(mainWindow_ ? static_cast<QWidget*>(mainWindow_) : entryForm_.get());
}

void ChartSession::SwitchLanguage(Language language) {
    if (!InstallDesktopTranslator(language)) return;  // the texts stay as they are
    WriteLanguageSetting(settings_, language);
    // The windows set their own texts first, so that the chart's below are the last word.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    if (mainWindow_) ShowChartTextsAgain(*mainWindow_);
}

void ChartSession::ShowEntryForm() { entryForm_->show(); }

void ChartSession::CalculateChart(ChartStyle layout) {
    if (!entryForm_->ValidateInput()) return;
    const BirthEntries entries = entryForm_->Entries();
    // A coordinate that is no 16-bit whole number cannot be stored: say which one.
    if (!entryForm_->PassesCheck(CheckCoordinates(entries))) return;
    if (!entryForm_->ConfirmAtlasCoordinates()) return;
    const auto timing = Compute(entries, ToBirthRecord(entries), entryForm_.get());
    if (!timing) return;

    MDI& window = EnsureMainWindow();
    window.ChooseVarga(0);  // a new chart opens at its birth chart
    ShowChart(window, *timing);
    window.Display().BringChartToFront();
    window.Display().Interpretation().ScrollHouseDescriptionToStart();
    entryForm_->hide();
    window.StyleButton(layout)->click();
}

void ChartSession::RecomputeChart() {
    if (!mainWindow_) return;
    if (const auto timing = Compute(entries_, birth_, mainWindow_)) ShowChart(*mainWindow_, *timing);
}

std::optional<ChartTiming> ChartSession::Compute(const BirthEntries& entries, const BirthRecord& birth,
                                                 QWidget* parent) {
    ChartOptions options = ReadChartOptions(settings_);
    options.engine = EngineForZone(entries, birth, options.engine, parent);
    if (options.engine == Engine::Precise) {
        if (const auto problem = CheckPreciseBirthRecord(birth, DesktopLanguage())) {
            messages_.ShowInformation(parent, QString::fromStdString(*problem));
            return std::nullopt;
        }
    }
    // Computed aside, so that a library failure leaves the records as they were.
    ChartResult chart = chart_;
    ChartTiming timing;
    try {
        ComputeChart(birth, chart, options);
        timing = ComputeChartTiming(birth, chart, ReadDashaYear(settings_), ReadSunriseRule(settings_));
    } catch (const EphemerisFailure& failure) {
        messages_.ShowCritical(parent, tr("Grahavani"), QString::fromStdString(failure.MessageIn(DesktopLanguage())));
        return std::nullopt;
    }
    entries_ = entries;
    birth_ = birth;
    chart_ = std::move(chart);
    options_ = options;
    timing_ = timing;
    return timing;
}

Engine ChartSession::EngineForZone(const BirthEntries& entries, const BirthRecord& birth,
                                   Engine chosen, QWidget* parent) {
    // A row picked by hand is read as the classic engine always read it.
    const bool atlasZone = entries.ZoneOffsetSeconds.has_value() ||
                           (entries.TimeZoneRow == TimeZoneCount && entries.ExtraZone);
    if (chosen != Engine::Classic || !atlasZone || !birth.ZoneOffsetSeconds ||
        !ClassicReadsZoneBackwards(*birth.ZoneOffsetSeconds, birth.IsEast)) {
        return chosen;
    }
    const QString warning = QString::fromStdString(
        ClassicZoneWarningText(birth.City, *birth.ZoneOffsetSeconds, birth.IsEast, DesktopLanguage()));
    if (!messages_.AskChoice(parent, warning, tr("Use &Precise Engine"), tr("Keep &Classic Engine"))) {
        return chosen;
    }
    WriteEngine(settings_, Engine::Precise);
    return Engine::Precise;
}

void ChartSession::ShowChart(MDI& window, const ChartTiming& timing) {
    window.ShowChartSettings();
    window.ShowEphemeris(EphemerisCaption(chart_, options_));
    frmDisplay& display = window.Display();
    display.FillHeader(birth_);
    display.FillDetails(chart_);
    display.FillSignBoxes(chart_);
    InterpretationView& interpretation = display.Interpretation();
    interpretation.FillPlanetsInSigns(chart_);
    interpretation.Planets().Fill(chart_);
    interpretation.ShowNakshatraProfile(chart_.MoonNakshatra);
    interpretation.ShowLagnaProfile(chart_.LagnaSign);
    interpretation.ShowRashiProfile(chart_.MoonRashi);
    interpretation.DashaPanchang().Fill(timing, chart_, NowJulianDayUT(), ReadDashaChoice(settings_));
    interpretation.AshtakavargaPage().Fill(chart_);
    interpretation.ShadbalaPage().Fill(birth_, chart_, timing.Sunrise);
}

void ChartSession::ShowChartTextsAgain(MDI& window) {
    InterpretationView& interpretation = window.Display().Interpretation();
    const InterpretationView::ReadingPlace place = interpretation.Place();
    ShowChart(window, timing_);
    interpretation.ReturnTo(place);
    window.ShowStyleCaption();
}

MDI& ChartSession::EnsureMainWindow() {
    if (!mainWindow_) {
        mainWindow_ = new MDI(settings_);
        mainWindow_->setAttribute(Qt::WA_DeleteOnClose);
        connect(mainWindow_, &MDI::backRequested, this, &ChartSession::Back);
        connect(mainWindow_, &MDI::matchingRequested, this, &ChartSession::ShowMatching);
        connect(mainWindow_, &MDI::languageChosen, this, &ChartSession::SwitchLanguage);
        connect(mainWindow_, &MDI::chartSettingsChanged, this, &ChartSession::RecomputeChart);
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
            {&MDI::exportPdfRequested, &FileCommands::ExportPdf},
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
    if (matching_) matching_->close();
    entryForm_->close();
}

void ChartSession::RequestExit() {
    if (!unloading_) emit exitRequested();
}

}  // namespace grahavani
