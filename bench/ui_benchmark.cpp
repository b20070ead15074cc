// How long the desktop program takes from a calculate button to the chart drawn,
// and from start to the entry form shown. Run with QT_QPA_PLATFORM=offscreen, or
// under a real or virtual X display.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "desktop/files/common_dialog.h"
#include "desktop/ui/chart/chart_session.h"
#include "desktop/ui/chart/chart_settings.h"
#include "render/fonts.h"
#include "desktop/ui/entry/frm_main.h"
#include "desktop/ui/chart/mdi.h"
#include "desktop/ui/widgets/message_sink.h"

namespace {

using grahavani::ChartSession;

class SilentSink final : public grahavani::MessageSink {
public:
    void ShowInformation(QWidget*, const QString&) override {}
    bool AskYesNo(QWidget*, const QString&) override { return false; }
    bool AskChoice(QWidget*, const QString&, const QString&, const QString&) override { return false; }
    void ShowCritical(QWidget*, const QString&, const QString&) override {}
};

// The benchmarks open no dialog: every one is cancelled.
class CancelledDialogs final : public grahavani::CommonDialog {
public:
    std::optional<QString> ShowOpen(QWidget*, const grahavani::FileDialogSettings&) override {
        return std::nullopt;
    }
    std::optional<QString> ShowSave(QWidget*, const grahavani::FileDialogSettings&) override {
        return std::nullopt;
    }
    bool ShowPrinter(QWidget*, QPrinter&) override { return false; }
};

void Enter(QWidget& form, const char* box, const char* text) {
    form.findChild<QLineEdit*>(box)->setText(text);
}

void Pick(QWidget& form, const char* list, const char* entry) {
    auto* box = form.findChild<QComboBox*>(list);
    box->setCurrentIndex(box->findText(entry));
}

void EnterDelhi1947(QWidget& form) {
    Enter(form, "txtName", "Asha Rao");
    Pick(form, "cboDate", "15");
    Pick(form, "cboMonth", "August");
    Pick(form, "cboYear", "1947");
    Enter(form, "txtCountry", "India");
    Enter(form, "txtState", "Delhi");
    Enter(form, "txtCity", "New Delhi");
    Enter(form, "txtLatDeg", "28");
    Enter(form, "txtLatMin", "39");
    Enter(form, "txtLonDeg", "77");
    Enter(form, "txtLonMin", "13");
    Pick(form, "cboTimeZone", "Indian Time, IST, +5.3");
}

void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// From the press of the North button on the form to the main window painted with the
// chart and its timing tab filled, the first time (a new main window) as after every Back;
// by the classic engine (argument 0) or the precise one (1).
void BM_CalculateToChartDrawn(benchmark::State& state) {
    SilentSink messages;
    CancelledDialogs dialogs;
    QTemporaryDir settingsFolder;
    QSettings settings(settingsFolder.filePath("grahavani.ini"), QSettings::IniFormat);
    grahavani::WriteEngine(settings, state.range(0) ? grahavani::Engine::Precise
                                                    : grahavani::Engine::Classic);
    ChartSession session(messages, dialogs, settings);
    session.ShowEntryForm();
    EnterDelhi1947(session.EntryForm());
    auto* north = session.EntryForm().findChild<QPushButton*>("cmdCalculate2");
    for (auto _ : state) {
        QTest::mouseClick(north, Qt::LeftButton);
        session.MainWindow()->repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        session.Back();
        DeleteClosedWindows();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CalculateToChartDrawn)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// From nothing to the entry form built, filled with its lists and painted. The
// QApplication itself is made once, before the benchmarks run.
void BM_StartToEntryFormShown(benchmark::State& state) {
    SilentSink messages;
    QTemporaryDir settingsFolder;
    QSettings settings(settingsFolder.filePath("grahavani.ini"), QSettings::IniFormat);
    for (auto _ : state) {
        CancelledDialogs dialogs;
        ChartSession session(messages, dialogs, settings);
        session.ShowEntryForm();
        session.EntryForm().repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        session.UnloadForms();
        DeleteClosedWindows();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToEntryFormShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    grahavani::RegisterFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
