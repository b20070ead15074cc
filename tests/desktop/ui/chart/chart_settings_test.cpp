#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeView>

#include "desktop/ui/chart/chart_settings.h"
#include "desktop/ui/chart/ephemeris_caption.h"
#include "tests/desktop/ui/session_fixture.h"

namespace grahavani::test {
namespace {

using ChartSettingsTest = SessionTest;

// What each stored text reads as: the words the program writes, and the ones it does not know.
TEST_F(ChartSettingsTest, StoredChoicesReadBackAndUnknownOnesFallBackToTheDefault) {
    const struct {
        const char* ayanamsa;
        const char* value;
        const char* sunrise;
        const char* system;
        const char* depth;
        Ayanamsa readAyanamsa;
        double readValue;
        SunriseRule readSunrise;
        DashaSystem readSystem;
        int readDepth;
    } cases[] = {
        {"raman", "23.5", "true-centre", "Yogini", "5", Ayanamsa::Raman, 23.5,
         SunriseRule::TrueCentre, DashaSystem::Yogini, 5},
        {"own-value", "0.123456789012345", "apparent-centre", "Ashtottari", "1", Ayanamsa::OwnValue,
         0.123456789012345, SunriseRule::ApparentCentre, DashaSystem::Ashtottari, 1},
        {"own-value", "60", "apparent-limb", "Vimshottari", "3", Ayanamsa::OwnValue, 60,
         SunriseRule::ApparentLimb, DashaSystem::Vimshottari, 3},
        {"own-value", "60.1", "sunset", "yogini", "6", Ayanamsa::Lahiri, 0,
         SunriseRule::ApparentLimb, DashaSystem::Vimshottari, 2},
        {"own-value", "nan", "", "Kalachakra", "0", Ayanamsa::Lahiri, 0,
         SunriseRule::ApparentLimb, DashaSystem::Vimshottari, 2},
        {"Raman", "-1", "TRUE-CENTRE", "", "two", Ayanamsa::Lahiri, 0,
         SunriseRule::ApparentLimb, DashaSystem::Vimshottari, 2},
    };
    for (const auto& c : cases) {
        settings.setValue("Chart/Ayanamsa", c.ayanamsa);
        settings.setValue("Chart/AyanamsaValue", c.value);
        settings.setValue("Chart/SunriseRule", c.sunrise);
        settings.setValue("Chart/DashaSystem", c.system);
        settings.setValue("Chart/DashaDepth", c.depth);
        const ChartOptions options = ReadChartOptions(settings);
        EXPECT_EQ(options.ayanamsa, c.readAyanamsa) << c.ayanamsa << " " << c.value;
        EXPECT_EQ(options.ayanamsaValue, c.readValue) << c.value;
        EXPECT_EQ(ReadSunriseRule(settings), c.readSunrise) << c.sunrise;
        EXPECT_EQ(ReadDashaChoice(settings).System, c.readSystem) << c.system;
        EXPECT_EQ(ReadDashaChoice(settings).Depth, c.readDepth) << c.depth;
        // What is read is written back as it was read.
        WriteAyanamsa(settings, options.ayanamsa, options.ayanamsaValue);
        WriteSunriseRule(settings, ReadSunriseRule(settings));
        WriteDashaChoice(settings, ReadDashaChoice(settings));
        EXPECT_EQ(ReadChartOptions(settings).ayanamsa, c.readAyanamsa) << c.ayanamsa;
        EXPECT_EQ(ReadChartOptions(settings).ayanamsaValue, c.readValue) << c.value;
        EXPECT_EQ(ReadSunriseRule(settings), c.readSunrise) << c.sunrise;
        EXPECT_EQ(ReadDashaChoice(settings).Depth, c.readDepth) << c.depth;
    }
}

TEST_F(ChartSettingsTest, CaptionNamesTheEngineAndTheAyanamsa) {
    const struct {
        Engine engine;
        const char* ephemeris;
        Ayanamsa ayanamsa;
        double value;
        const char* caption;
    } cases[] = {
        {Engine::Classic, "", Ayanamsa::Raman, 0, "Classic ephemeris"},
        {Engine::Precise, "Swiss", Ayanamsa::Lahiri, 0, "Precise ephemeris, Lahiri ayanamsa"},
        {Engine::Precise, "Swiss", Ayanamsa::Krishnamurti, 0, "Precise ephemeris, Krishnamurti ayanamsa"},
        {Engine::Precise, "Moshier", Ayanamsa::TrueChitra, 0,
         "Precise ephemeris (Moshier), True Chitra ayanamsa"},
        {Engine::Precise, "Swiss", Ayanamsa::OwnValue, 23.5, "Precise ephemeris, own ayanamsa 23° 30′ 00″"},
        {Engine::Precise, "Swiss", Ayanamsa::OwnValue, 0.5, "Precise ephemeris, own ayanamsa 0° 30′ 00″"},
        // 59′ 59.9″ rounds up into the next degree.
        {Engine::Precise, "Swiss", Ayanamsa::OwnValue, 0.99999, "Precise ephemeris, own ayanamsa 1° 00′ 00″"},
    };
    for (const auto& c : cases) {
        ChartResult chart;
        chart.ComputedBy = c.engine;
        chart.Ephemeris = c.ephemeris;
        EXPECT_EQ(EphemerisCaption(chart, {c.engine, LunarNode::Mean, c.ayanamsa, c.value}), c.caption);
    }
}

class SettingsDialogTest : public SessionTest {
protected:
    QDialog* OpenDialog() {
        OnMainWindow<QAction>("mnuSettings")->trigger();
        return Find<QDialog>(session.MainWindow(), "dlgSettings");
    }
    template <typename Widget>
    Widget* InDialog(QDialog* dialog, const QString& name) { return Find<Widget>(dialog, name); }
    QPushButton* Button(QDialog* dialog, QDialogButtonBox::StandardButton which) {
        return InDialog<QDialogButtonBox>(dialog, "buttons")->button(which);
    }
};

TEST_F(SettingsDialogTest, AyanamsaIsChosenOnlyForThePreciseEngine) {
    EnterDelhi1947();
    Click("cmdCalculate");
    const struct {
        const char* engineItem;
        int ayanamsa;  // the entry chosen
        const char* value;
        bool ayanamsaEnabled;
        bool valueEnabled;
        bool storable;
        const char* reading;
    } cases[] = {
        {"mnuClassic", 12, "23.5", false, false, true, "= 23° 30′ 00″"},
        {"mnuPrecise", 1, "23.5", true, false, true, "= 23° 30′ 00″"},
        {"mnuPrecise", 12, "23.5", true, true, true, "= 23° 30′ 00″"},
        {"mnuPrecise", 12, "60.1", true, true, false, "Enter decimal degrees from 0 to 60, such as 23.5"},
        {"mnuPrecise", 12, "23,5", true, true, false, "Enter decimal degrees from 0 to 60, such as 23.5"},
        {"mnuPrecise", 0, "nan", true, false, true, "Enter decimal degrees from 0 to 60, such as 23.5"},
    };
    for (const auto& c : cases) {
        OnMainWindow<QAction>(c.engineItem)->trigger();
        QDialog* dialog = OpenDialog();
        ASSERT_TRUE(dialog);
        auto* ayanamsa = InDialog<QComboBox>(dialog, "cboAyanamsa");
        auto* value = InDialog<QLineEdit>(dialog, "txtAyanamsaValue");
        ayanamsa->setCurrentIndex(c.ayanamsa);
        value->setText(c.value);
        EXPECT_EQ(ayanamsa->isEnabled(), c.ayanamsaEnabled) << c.engineItem << " " << c.ayanamsa;
        EXPECT_EQ(value->isEnabled(), c.valueEnabled) << c.engineItem << " " << c.ayanamsa;
        EXPECT_EQ(InDialog<QLabel>(dialog, "lblClassicAyanamsa")->isVisibleTo(dialog),
                  !c.ayanamsaEnabled);
        EXPECT_EQ(Button(dialog, QDialogButtonBox::Ok)->isEnabled(), c.storable) << c.value;
        EXPECT_EQ(Button(dialog, QDialogButtonBox::Apply)->isEnabled(), c.storable) << c.value;
        EXPECT_EQ(InDialog<QLabel>(dialog, "lblAyanamsaDms")->text(), c.reading) << c.value;
        EXPECT_EQ(ayanamsa->itemText(0), "Lahiri (Chitrapaksha)");
        EXPECT_EQ(ayanamsa->count(), 13);
        // Every box is named, and every caption with a mnemonic leads to its box.
        for (QWidget* control : dialog->findChildren<QWidget*>()) {
            if (qobject_cast<QComboBox*>(control) || qobject_cast<QLineEdit*>(control)) {
                EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
            }
        }
        for (const QLabel* caption : dialog->findChildren<QLabel*>()) {
            if (caption->text().contains('&')) {
                EXPECT_NE(caption->buddy(), nullptr) << caption->text().toStdString();
            }
        }
        QTest::mouseClick(Button(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(settings.value("Chart/Ayanamsa").isNull()) << "Cancel stores nothing";
}

// Each step sets the dialog's boxes and presses a button; what was applied is on screen at once.
TEST_F(SettingsDialogTest, ApplyAndOkRecomputeTheChartOnScreen) {
    settings.setValue("Chart/Engine", "precise");
    EnterDelhi1947();
    Click("cmdCalculate");
    const MDI* window = session.MainWindow();
    const struct {
        int ayanamsa;
        const char* value;
        int sunrise;
        int node;
        int system;
        int depth;
        QDialogButtonBox::StandardButton button;
        const char* caption;
        const char* sunriseWords;
        const char* tree;
    } steps[] = {
        {1, "0", 2, 1, 1, 3, QDialogButtonBox::Apply, "Precise ephemeris, Raman ayanamsa",
         "(centre of the disc, no refraction)", "Yogini dasha"},
        {12, "23.5", 1, 0, 2, 0, QDialogButtonBox::Ok, "Precise ephemeris, own ayanamsa 23° 30′ 00″",
         "(centre of the disc, with refraction)", "Ashtottari dasha"},
    };
    for (const auto& step : steps) {
        QDialog* dialog = OpenDialog();
        ASSERT_TRUE(dialog);
        InDialog<QComboBox>(dialog, "cboAyanamsa")->setCurrentIndex(step.ayanamsa);
        InDialog<QLineEdit>(dialog, "txtAyanamsaValue")->setText(step.value);
        InDialog<QComboBox>(dialog, "cboSunriseRule")->setCurrentIndex(step.sunrise);
        InDialog<QComboBox>(dialog, "cboLunarNode")->setCurrentIndex(step.node);
        InDialog<QComboBox>(dialog, "cboDashaSystem")->setCurrentIndex(step.system);
        InDialog<QComboBox>(dialog, "cboDashaDepth")->setCurrentIndex(step.depth);
        QTest::mouseClick(Button(dialog, step.button), Qt::LeftButton);
        EXPECT_EQ(dialog->isVisible(), step.button == QDialogButtonBox::Apply) << step.caption;
        ASSERT_EQ(session.MainWindow(), window);
        EXPECT_EQ(session.Options().ayanamsa, static_cast<Ayanamsa>(step.ayanamsa)) << step.caption;
        EXPECT_EQ(Text("lblEphemeris"), step.caption);
        EXPECT_EQ(Text("lblChartEphemeris"), step.caption);
        EXPECT_EQ(OnMainWindow<QAction>("mnuTrueNode")->isChecked(), step.node == 1) << step.caption;
        EXPECT_EQ(session.Options().node, static_cast<LunarNode>(step.node)) << step.caption;
        const QString sunrise = OnMainWindow<QTableWidget>("tblPanchang")->item(0, 1)->text();
        EXPECT_TRUE(sunrise.endsWith(step.sunriseWords)) << sunrise.toStdString();
        auto* tree = OnMainWindow<QTreeView>("treeDasha");
        EXPECT_EQ(tree->accessibleName(), step.tree);
        EXPECT_EQ(tree->model()->hasChildren(tree->model()->index(0, 0)), step.depth > 0) << step.tree;
        if (dialog->isVisible()) dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(settings.value("Chart/AyanamsaValue").toString(), "23.5");
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join("; ").toStdString();
}

// The paper the dialog shows is the one stored; what it applies is read back; unknown words read as A4.
TEST_F(SettingsDialogTest, PaperRoundTripsThroughTheDialogAndTheSettings) {
    EnterDelhi1947();
    Click("cmdCalculate");
    const struct {
        const char* stored;
        int shown;
        int chosen;
        const char* written;
        Paper read;
    } cases[] = {
        {nullptr, 0, 1, "Letter", Paper::Letter},
        {"Letter", 1, 0, "A4", Paper::A4},
        {"letter", 0, 1, "Letter", Paper::Letter},
        {"A3", 0, 0, "A4", Paper::A4},
    };
    for (const auto& c : cases) {
        if (c.stored) settings.setValue("Chart/Paper", c.stored); else settings.remove("Chart/Paper");
        QDialog* dialog = OpenDialog();
        ASSERT_TRUE(dialog);
        auto* paper = InDialog<QComboBox>(dialog, "cboPaper");
        EXPECT_EQ(paper->accessibleName(), "Paper");
        EXPECT_EQ(paper->currentIndex(), c.shown) << (c.stored ? c.stored : "unset");
        paper->setCurrentIndex(c.chosen);
        QTest::mouseClick(Button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(settings.value("Chart/Paper").toString(), c.written);
        EXPECT_EQ(ReadPaper(settings), c.read);
    }
}

}  // namespace
}  // namespace grahavani::test
