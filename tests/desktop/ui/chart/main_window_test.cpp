#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolBar>

#include "desktop/shell/end_program.h"
#include "tests/desktop/ui/session_fixture.h"
#include "desktop/ui/chart/strip_layout.h"
#include "render/twips.h"

namespace grahavani::test {
namespace {

class MainWindowTest : public SessionTest {
protected:
    MainWindowTest() {
        EnterDelhi1947();
        Click("cmdCalculate");
    }
    void Back() {
        ClickOnMainWindow("cmdBack");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool Checked(const char* item) { return OnMainWindow<QAction>(item)->isChecked(); }
    bool Shown(const char* widget) { return OnMainWindow<QWidget>(widget)->isVisible(); }
};

TEST_F(MainWindowTest, StyleSwitchingKeepsChecksCaptionAndDrawingTogether) {
    const struct {
        const char* trigger;
        const char* item;
        const char* caption;
        const char* drawing;
    } switches[] = {
        {"cmdSouth", "mnuSouth", "South Indian Style", "picSouthRasi"},  // the calculation
        {"mnuNorth", "mnuNorth", "North Indian Style", "picNorthRasi"},
        {"cmdEast", "mnuEast", "East Indian Style", "picRashiEast"},
        {"mnuSouth", "mnuSouth", "South Indian Style", "picSouthRasi"},
        {"cmdNorth", "mnuNorth", "North Indian Style", "picNorthRasi"},
    };
    bool first = true;
    for (const auto& change : switches) {
        if (!first) {
            if (auto* item = session.MainWindow()->findChild<QAction*>(change.trigger)) {
                item->trigger();
            } else {
                ClickOnMainWindow(change.trigger);
            }
        }
        first = false;
        for (const char* item : {"mnuNorth", "mnuSouth", "mnuEast"}) {
            EXPECT_EQ(Checked(item), QString(item) == change.item) << change.trigger;
        }
        EXPECT_EQ(Text("lblStyleCaption"), change.caption);
        for (const char* drawing : {"picNorthRasi", "picSouthRasi", "picRashiEast"}) {
            EXPECT_EQ(Shown(drawing), QString(drawing) == change.drawing) << change.trigger;
        }
    }
}

TEST_F(MainWindowTest, InterpretationComesToFrontUntilAStyleIsPicked) {
    ClickOnMainWindow("cmdInterpration");
    ClickOnMainWindow("cmdInterpration");
    EXPECT_TRUE(Shown("fraInterpretation"));
    EXPECT_FALSE(Shown("fraChart"));
    EXPECT_TRUE(Checked("mnuSouth"));
    EXPECT_EQ(Text("lblStyleCaption"), "South Indian Style");

    ClickOnMainWindow("cmdSouth");  // the style already on show brings the chart back
    EXPECT_TRUE(Shown("fraChart"));
    EXPECT_FALSE(Shown("fraInterpretation"));
}

TEST_F(MainWindowTest, FileCommandsAndHelpAnswerTheirKeysInBothWindows) {
    QSignalSpy pages(&session, &ChartSession::vendorPageRequested);
    const struct {
        bool entryForm;
        const char* item;
        const char* keys;
        int dialogs;  // the file dialogs the keys open
    } commands[] = {
        {false, "mnuOpen", "Ctrl+O", 1},   {false, "mnuSave", "Ctrl+S", 1},
        {false, "mnuSaveAs", "Ctrl+Shift+S", 1}, {false, "mnuExport", "Ctrl+E", 1},
        {false, "mnuPrint", "Ctrl+P", 0},  {false, "mnuOnline", "F1", 0},
        {false, "mnuNew", "Ctrl+N", 0},  // last: it goes back to the entry form
        {true, "mnuOpen", "Ctrl+O", 1},    {true, "mnuOnline", "F1", 0},
    };
    for (const auto& command : commands) {
        QWidget* window = command.entryForm ? static_cast<QWidget*>(&session.EntryForm()) : session.MainWindow();
        ASSERT_NE(window, nullptr) << command.item;
        QApplication::setActiveWindow(window);
        auto* item = Find<QAction>(window, command.item);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->shortcut().toString(QKeySequence::PortableText), command.keys) << command.item;
        const std::size_t dialogsBefore = dialogs.shown.size();
        const int printsBefore = dialogs.printDialogs;
        const auto pagesBefore = pages.count();
        QTest::keySequence(window, item->shortcut());
        EXPECT_EQ(dialogs.shown.size() - dialogsBefore, static_cast<std::size_t>(command.dialogs)) << command.item;
        EXPECT_EQ(dialogs.printDialogs - printsBefore, QString(command.item) == "mnuPrint") << command.item;
        EXPECT_EQ(pages.count() - pagesBefore, QString(command.item) == "mnuOnline") << command.item;
    }
    EXPECT_EQ(session.MainWindow(), nullptr);
    EXPECT_EQ(dialogs.shown.back().title, "Select the source file ") << "the entry form's Open is the chart's";
}

TEST_F(MainWindowTest, HiddenToolbarComesBackShownAfterBack) {
    QAction* toolbarItem = OnMainWindow<QAction>("mnuToolBar");
    EXPECT_TRUE(toolbarItem->isChecked());
    EXPECT_TRUE(Shown("TB"));
    toolbarItem->trigger();
    EXPECT_FALSE(toolbarItem->isChecked());
    EXPECT_FALSE(Shown("TB"));

    Back();
    Click("cmdCalculate2");
    EXPECT_TRUE(Checked("mnuToolBar"));
    EXPECT_TRUE(Shown("TB"));
    EXPECT_TRUE(Checked("mnuNorth"));
}

TEST_F(MainWindowTest, BackClosesTheWindowAndKeepsTheFields) {
    OnForm<QRadioButton>("optLat(1)")->setChecked(true);
    OnForm<QCheckBox>("chkDST")->setChecked(true);
    QPointer<QWidget> display = OnMainWindow<QWidget>("frmDisplay");
    Back();
    EXPECT_EQ(session.MainWindow(), nullptr);
    EXPECT_TRUE(display.isNull()) << "the display closes with its window";
    EXPECT_TRUE(session.EntryForm().isVisible());
    EXPECT_EQ(OnForm<QLineEdit>("txtName")->text(), "Asha Rao");
    EXPECT_EQ(OnForm<QLineEdit>("txtLonMin")->text(), "13");
    EXPECT_EQ(OnForm<QComboBox>("cboMonth")->currentText(), "August");
    EXPECT_EQ(OnForm<QComboBox>("cboTimeZone")->currentText(), "Indian Time, IST, +5.3");
    EXPECT_TRUE(OnForm<QRadioButton>("optLat(1)")->isChecked());
    EXPECT_TRUE(OnForm<QCheckBox>("chkDST")->isChecked());
}

TEST_F(MainWindowTest, ExitCommandsAndCloseBoxAskToEndTheProgram) {
    QSignalSpy exits(&session, &ChartSession::exitRequested);
    ClickOnMainWindow("cmdExit");
    OnMainWindow<QAction>("mnuExit")->trigger();
    session.MainWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(exits.count(), 3);
    EXPECT_EQ(session.MainWindow(), nullptr);
}

TEST_F(MainWindowTest, EntryFormExitAsksToEndTheProgram) {
    QSignalSpy exits(&session, &ChartSession::exitRequested);
    OnForm<QAction>("mnuExit")->trigger();
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(MainWindowTest, EndProgramClosesEveryWindowWithoutAskingAgain) {
    QSignalSpy exits(&session, &ChartSession::exitRequested);
    EndProgram(session);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(session.MainWindow(), nullptr);
    EXPECT_FALSE(session.EntryForm().isVisible());
    EXPECT_EQ(exits.count(), 0);
}

TEST_F(MainWindowTest, BackDoesNotEndTheProgram) {
    QSignalSpy exits(&session, &ChartSession::exitRequested);
    OnMainWindow<QAction>("mnuBack")->trigger();
    EXPECT_EQ(exits.count(), 0);
    EXPECT_TRUE(session.EntryForm().isVisible());
}

TEST(StripLayout, ResizeRuleLefts) {
    // W = 15360 twips (1024 pixels); the caption's width is taken as it is.
    const StripLefts lefts = ComputeStripLefts(15360, 2010);
    EXPECT_FLOAT_EQ(lefts.exit, 13965);
    EXPECT_FLOAT_EQ(lefts.back, 12770);
    EXPECT_FLOAT_EQ(lefts.saveAsJpg, 11215);
    EXPECT_FLOAT_EQ(lefts.heading, 5835);
    EXPECT_FLOAT_EQ(lefts.styleCaption, 6675);
    EXPECT_FLOAT_EQ(lefts.south, 6680);
    EXPECT_FLOAT_EQ(lefts.north, 4580);
    EXPECT_FLOAT_EQ(lefts.interpretation, 4580);
    EXPECT_FLOAT_EQ(lefts.east, 8780);
    EXPECT_FLOAT_EQ(lefts.varga, 10880);
    // Too narrow a window pushes the controls past the left edge.
    EXPECT_FLOAT_EQ(ComputeStripLefts(3000, 2010).saveAsJpg, -1145);
}

TEST_F(MainWindowTest, ResizePlacesTheStripControls) {
    MDI* window = session.MainWindow();
    window->showNormal();
    window->resize(1024, 700);
    QCoreApplication::processEvents();
    const float width = static_cast<float>(PixelsToTwips(window->frameGeometry().width()));
    const StripLefts lefts = ComputeStripLefts(
        width, static_cast<float>(PixelsToTwips(OnMainWindow<QLabel>("lblStyleCaption")->width())));
    EXPECT_EQ(OnMainWindow<QWidget>("cmdExit")->x(), TwipsToPixels(lefts.exit));
    EXPECT_EQ(OnMainWindow<QWidget>("cmdSaveAsJPG")->x(), TwipsToPixels(lefts.saveAsJpg));
    EXPECT_EQ(OnMainWindow<QWidget>("cmdEast")->x(), TwipsToPixels(lefts.east));
    EXPECT_EQ(OnMainWindow<QWidget>("cboVarga")->x(), TwipsToPixels(lefts.varga));
    EXPECT_EQ(OnMainWindow<QWidget>("lblStyleCaption")->x(), TwipsToPixels(lefts.styleCaption));
    EXPECT_EQ(OnMainWindow<QWidget>("cmdInterpration")->x(),
              OnMainWindow<QWidget>("cmdNorth")->x());
}

}  // namespace
}  // namespace grahavani::test
