#include <vector>

#include <QAction>
#include <QImage>
#include <QPalette>

#include "tests/desktop/ui/session_fixture.h"

namespace grahavani::test {
namespace {

// A desktop colour scheme with light text on dark grounds.
QPalette DarkPalette() {
    QPalette dark;
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        dark.setColor(role, QColor(40, 40, 40));
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(role, QColor(230, 230, 230));
    }
    return dark;
}

// The main window built under a dark desktop scheme, with a chart of 1947 on screen;
// the desktop's scheme is put back afterwards.
class DisplayColoursTest : public SessionTest {
protected:
    DisplayColoursTest() : desktopPalette(QApplication::palette()) {
        EnterDelhi1947();
        ShowChartUnder(DarkPalette());
    }
    ~DisplayColoursTest() override { QApplication::setPalette(desktopPalette); }

    void ShowChartUnder(const QPalette& palette) {
        if (session.MainWindow()) {
            ClickOnMainWindow("cmdBack");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QApplication::setPalette(palette);
        Click("cmdCalculate");
    }
    QImage DisplayIn(const char* style) {
        OnMainWindow<QAction>(style)->trigger();
        return OnMainWindow<QWidget>("frmDisplay")->grab().toImage();
    }

    QPalette desktopPalette;
};

TEST_F(DisplayColoursTest, ChartTextsAreBlackOnTheirOwnGroundsUnderADarkScheme) {
    const QColor white(Qt::white), amber(255, 199, 6);
    const struct {
        const char* name;
        QColor ground;
    } widgets[] = {{"fraChart", white},          {"lblName", white},
                   {"lblLongitude", white},      {"lblLagna", white},
                   {"Planet(0)", white},         {"PlanetName(8)", white},
                   {"fraVedic", white},          {"fraWestern", white},
                   {"lblNorthStyle(0)", amber},  {"lblNorthPosition(11)", amber},
                   {"lblPlanets(3)", amber},     {"lblSouthPosition(0)", amber},
                   {"lblEast(6)", amber},        {"picTop", amber},
                   {"lblStyleCaption", amber},   {"Picture1", amber},
                   {"Picture2", amber}};
    for (const auto& w : widgets) {
        const QWidget* widget = OnMainWindow<QWidget>(w.name);
        ASSERT_NE(widget, nullptr) << w.name;
        EXPECT_EQ(widget->palette().color(widget->backgroundRole()), w.ground) << w.name;
        EXPECT_EQ(widget->palette().color(widget->foregroundRole()), QColor(Qt::black)) << w.name;
    }
    // The interpretation's tabs on the display keep the desktop's text colours.
    for (const char* name : {"frmDisplay", "fraInterpretation"}) {
        const QWidget* frame = OnMainWindow<QWidget>(name);
        EXPECT_EQ(frame->palette().color(frame->backgroundRole()), white) << name;
        EXPECT_EQ(frame->palette().color(QPalette::Base), white) << "under black text runs";
    }
}

TEST_F(DisplayColoursTest, EveryDrawingLooksAsUnderTheLightScheme) {
    const char* styles[] = {"mnuNorth", "mnuSouth", "mnuEast"};
    std::vector<QImage> dark;
    for (const char* style : styles) dark.push_back(DisplayIn(style));
    ShowChartUnder(desktopPalette);
    for (std::size_t i = 0; i < dark.size(); ++i) {
        const QImage light = DisplayIn(styles[i]);
        EXPECT_TRUE(dark[i] == light) << styles[i];
    }
}

}  // namespace
}  // namespace grahavani::test
