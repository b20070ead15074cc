#include <functional>

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QDateTime>
#include <QFont>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QTreeView>

#include "tests/desktop/ui/session_fixture.h"

namespace grahavani::test {
namespace {

class ChartChoicesTest : public SessionTest {
protected:
    // Midnight at the start of 25 June 2020 in New Delhi: by grahavani-chart --engine precise
    // --json, Mercury (19 Gem 06), Venus, Jupiter and Saturn are retrograde, with sidereal
    // longitudes Asc 333.1232, Sun 69.5506, Moon 112.8483, Mercury 79.1031, Venus 41.2031,
    // Mars 333.8431, Jupiter 270.6038, Saturn 276.3273, Rahu 64.7929, Ketu 244.7929.
    void EnterDelhi2020() {
        EnterDelhi1947();
        Pick("cboDate", "25");
        Pick("cboMonth", "June");
        Pick("cboYear", "2020");
    }
    void Calculate() {
        if (session.MainWindow()) session.Back();
        Click("cmdCalculate");
    }
    QString SouthBox(int sign) { return Text(QStringLiteral("lblPlanets(%1)").arg(sign)); }
    QAction* Item(const QString& name) { return OnMainWindow<QAction>(name); }
};

TEST_F(ChartChoicesTest, ViewMenuChoicesAreKeptForEveryNewWindow) {
    EnterDelhi1947();
    Calculate();
    EXPECT_TRUE(Item("mnuClassic")->isChecked());
    EXPECT_FALSE(Item("mnuTrueNode")->isChecked());
    EXPECT_TRUE(Item("mnuYear36525")->isChecked());
    EXPECT_EQ(Text("lblEphemeris"), "Classic ephemeris");
    const struct {
        const char* item;
        const char* key;
        const char* stored;
    } choices[] = {
        {"mnuPrecise", "Chart/Engine", "precise"},
        {"mnuTrueNode", "Chart/LunarNode", "true"},
        {"mnuYear360", "Chart/DashaYear", "360"},
        {"mnuYear3652425", "Chart/DashaYear", "365.2425"},
        {"mnuClassic", "Chart/Engine", "classic"},
        {"mnuPrecise", "Chart/Engine", "precise"},
    };
    for (const auto& choice : choices) {
        Item(choice.item)->trigger();
        EXPECT_EQ(settings.value(choice.key).toString(), choice.stored) << choice.item;
        Calculate();
        EXPECT_TRUE(Item(choice.item)->isChecked()) << choice.item << " in the new window";
    }
    // The chart on screen says which engine made it, in the strip and on the chart itself.
    EXPECT_EQ(session.Chart().ComputedBy, Engine::Precise);
    EXPECT_EQ(Text("lblEphemeris"), "Precise ephemeris, Lahiri ayanamsa");
    EXPECT_EQ(Text("lblChartEphemeris"), "Precise ephemeris, Lahiri ayanamsa");
    EXPECT_FALSE(Item("mnuYear360")->isChecked());
}

TEST_F(ChartChoicesTest, OnlyThePreciseEngineMarksRetrogradeBodies) {
    EnterDelhi2020();
    const struct {
        const char* engine;
        const char* mercury;
        const char* geminiBox;
    } cases[] = {
        {"mnuPrecise", "19 Gem 06 R", "Surya\nBudha R\nRahu"},
        {"mnuClassic", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        Calculate();
        Item(c.engine)->trigger();
        Calculate();
        const QString mercury = Text("Planet(2)");
        if (c.mercury) {
            EXPECT_EQ(mercury, c.mercury);
            EXPECT_EQ(SouthBox(2), c.geminiBox);
        } else {
            EXPECT_FALSE(mercury.contains(" R")) << mercury.toStdString();
            EXPECT_FALSE(SouthBox(2).contains(" R")) << SouthBox(2).toStdString();
        }
    }
}

TEST_F(ChartChoicesTest, PreciseEngineRefusesADayTheCalendarLacks) {
    EnterDelhi1947();
    Pick("cboYear", "1900");
    Pick("cboMonth", "February");
    Pick("cboDate", "29");
    settings.setValue("Chart/Engine", "precise");
    Click("cmdCalculate");
    EXPECT_EQ(messages.messages,
              QStringList{"29 February 1900 is not a date of the Gregorian calendar"});
    EXPECT_EQ(session.MainWindow(), nullptr);
    EXPECT_TRUE(session.Birth().Name.empty());
    // The classic engine keeps its own calendar rule.
    settings.setValue("Chart/Engine", "classic");
    messages.messages.clear();
    Click("cmdCalculate");
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join("; ").toStdString();
    EXPECT_NE(session.MainWindow(), nullptr);
    // Chosen for the chart on screen, the precise engine is refused alike and the chart stays.
    Item("mnuPrecise")->trigger();
    EXPECT_EQ(messages.messages,
              QStringList{"29 February 1900 is not a date of the Gregorian calendar"});
    EXPECT_EQ(session.Chart().ComputedBy, Engine::Classic);
    EXPECT_EQ(Text("lblEphemeris"), "Classic ephemeris");
}

// Each choice is made with the North drawing chosen and the interpretation in front; both stay.
TEST_F(ChartChoicesTest, ViewMenuChoicesRecomputeTheChartOnScreenAtOnce) {
    EnterDelhi2020();
    Calculate();
    ClickOnMainWindow("cmdNorth");
    ClickOnMainWindow("cmdInterpration");
    const MDI* window = session.MainWindow();
    auto* dasha = OnMainWindow<QTreeView>("treeDasha");
    ASSERT_NE(dasha, nullptr);
    const auto firstEnd = [dasha] { return dasha->model()->index(0, 2).data().toString(); };
    const struct {
        const char* item;
        const char* ephemeris;
        const char* mercury;
        bool rahuMoves;
        bool dashaMoves;
    } choices[] = {
        {"mnuPrecise", "Precise ephemeris, Lahiri ayanamsa", "19 Gem 06 R", true, true},
        {"mnuTrueNode", "Precise ephemeris, Lahiri ayanamsa", "19 Gem 06 R", true, false},
        {"mnuYear360", "Precise ephemeris, Lahiri ayanamsa", "19 Gem 06 R", false, true},
        {"mnuClassic", "Classic ephemeris", nullptr, true, true},
    };
    for (const auto& choice : choices) {
        const QString rahu = Text("Planet(7)");
        const QString firstDashaEnd = firstEnd();
        Item(choice.item)->trigger();
        ASSERT_EQ(session.MainWindow(), window) << choice.item;
        EXPECT_EQ(Text("lblEphemeris"), choice.ephemeris) << choice.item;
        EXPECT_EQ(Text("lblChartEphemeris"), choice.ephemeris) << choice.item;
        if (choice.mercury) {
            EXPECT_EQ(Text("Planet(2)"), choice.mercury) << choice.item;
            EXPECT_EQ(SouthBox(2), "Surya\nBudha R\nRahu") << choice.item;
        } else {
            EXPECT_FALSE(Text("Planet(2)").contains(" R")) << choice.item;
        }
        EXPECT_EQ(Text("Planet(7)") != rahu, choice.rahuMoves) << choice.item;
        EXPECT_EQ(firstEnd() != firstDashaEnd, choice.dashaMoves) << choice.item;
        EXPECT_TRUE(Item("mnuNorth")->isChecked()) << choice.item;
        EXPECT_TRUE(OnMainWindow<QWidget>("fraInterpretation")->isVisible()) << choice.item;
    }
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join("; ").toStdString();
}

// Navamsa signs of the 2020 chart: sign = floor(longitude / (10/3)) mod 12, worked by hand
// from the longitudes above.
TEST_F(ChartChoicesTest, NavamsaToggleRefillsTheBoxesAndCaptionAtOnce) {
    settings.setValue("Chart/Engine", "precise");
    EnterDelhi2020();
    Calculate();
    const QString birthGemini = SouthBox(2);
    const QString navamsa[12] = {"Shukra R", "Ketu", "", "Asc", "Mangala", "", "",
                                 "Rahu", "Surya", "Chandra\nGuru R", "Shani R", "Budha R"};
    Item("mnuNavamsa")->trigger();
    EXPECT_EQ(Text("lblStyleCaption"), "South Indian Style · D9 Navamsa");
    for (int sign = 0; sign < 12; ++sign) {
        for (const char* boxes : {"lblNorthStyle", "lblPlanets", "lblEast"}) {
            EXPECT_EQ(Text(QStringLiteral("%1(%2)").arg(boxes).arg(sign)), navamsa[sign])
                << boxes << "(" << sign << ")";
        }
    }
    EXPECT_EQ(Text("Planet(2)"), "19 Gem 06 R");  // the table stays the birth chart's
    ClickOnMainWindow("cmdNorth");
    EXPECT_EQ(Text("lblStyleCaption"), "North Indian Style · D9 Navamsa");
    Item("mnuNavamsa")->trigger();
    EXPECT_EQ(Text("lblStyleCaption"), "North Indian Style");
    EXPECT_EQ(SouthBox(2), birthGemini);
}

// Dasamsa signs of the 2020 chart, worked by hand from the longitudes above: odd signs count
// their tenths from themselves, even signs from their 9th (Pisces 3.12° → Scorpio + 1).
TEST_F(ChartChoicesTest, VargaChooserAndNavamsaItemAreOneChoice) {
    settings.setValue("Chart/Engine", "precise");
    EnterDelhi2020();
    Calculate();
    auto* chooser = OnMainWindow<QComboBox>("cboVarga");
    ASSERT_TRUE(chooser);
    EXPECT_EQ(OnMainWindow<QWidget>("cmdEast")->nextInFocusChain(), chooser);
    const auto choose = [chooser](int varga) { return [chooser, varga] { chooser->setCurrentIndex(varga); }; };
    const auto navamsaItem = [this] { Item("mnuNavamsa")->trigger(); };
    const struct {
        std::function<void()> act;
        const char* chosen;
        bool navamsaChecked;
        const char* caption;
        int sign;
        const char* box;
    } steps[] = {
        {choose(6), "D10 Dasamsa", false, "South Indian Style · D10 Dasamsa", 8, "Asc\nBudha R\nMangala"},
        {navamsaItem, "D9 Navamsa", true, "South Indian Style · D9 Navamsa", 3, "Asc"},
        {navamsaItem, "D1 Rasi", false, "South Indian Style", 11, "Asc\nMangala"},
        {choose(5), "D9 Navamsa", true, "South Indian Style · D9 Navamsa", 9, "Chandra\nGuru R"},
        {choose(6), "D10 Dasamsa", false, "South Indian Style · D10 Dasamsa", 5, "Surya\nGuru R"},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(chooser->currentText(), step.chosen);
        EXPECT_EQ(Item("mnuNavamsa")->isChecked(), step.navamsaChecked) << step.chosen;
        EXPECT_EQ(Text("lblStyleCaption"), step.caption);
        EXPECT_EQ(Text("lblChartCaption"), step.caption);
        for (const char* boxes : {"lblNorthStyle", "lblPlanets", "lblEast"}) {
            auto* box = OnMainWindow<QLabel>(QStringLiteral("%1(%2)").arg(boxes).arg(step.sign));
            EXPECT_EQ(box->accessibleDescription(), step.box) << step.chosen << " " << boxes;
        }
    }
    // The North drawing puts the dasamsa lagna at the top.
    Item("mnuLagnaAtTop")->trigger();
    EXPECT_EQ(Text("lblNorthPosition(0)"), "9");
    // Kept while the chart is computed again, given up for a new chart.
    Item("mnuTrueNode")->trigger();
    EXPECT_EQ(Text("lblNorthStyle(8)"), "Asc\nBudha R\nMangala");
    session.CalculateChart(ChartStyle::South);  // as opening a chart file does, in this window
    EXPECT_EQ(chooser->currentText(), "D1 Rasi");
    EXPECT_FALSE(Item("mnuNavamsa")->isChecked());
    EXPECT_EQ(Text("lblStyleCaption"), "South Indian Style");
}

// The 2020 chart's lagna is Pisces (333.1232), its navamsa lagna Cancer (as above).
TEST_F(ChartChoicesTest, LagnaAtTopTurnsOnlyTheNorthDrawing) {
    settings.setValue("Chart/Engine", "precise");
    EnterDelhi2020();
    Calculate();
    QAction* atTop = Item("mnuLagnaAtTop");
    ASSERT_TRUE(atTop);
    EXPECT_FALSE(atTop->isChecked());
    const auto number = [this](int region) {
        auto* label = OnMainWindow<QLabel>(QStringLiteral("lblNorthPosition(%1)").arg(region));
        return label->text() + " " + label->accessibleDescription();
    };
    const auto at = [this](const char* box) { return OnMainWindow<QLabel>(box)->pos(); };
    const QPoint topRhombus(148, 40), southPisces = at("lblPlanets(11)");
    EXPECT_EQ(number(0), "1 Aries");
    EXPECT_EQ(at("lblNorthStyle(0)"), topRhombus);
    const struct {
        const char* item;
        bool checked;
        const char* top;
        const char* second;  // the region counter-clockwise from the top
        const char* topBox;
    } steps[] = {
        {"mnuLagnaAtTop", true, "12 Pisces", "1 Aries", "lblNorthStyle(11)"},
        {"mnuNavamsa", true, "4 Cancer", "5 Leo", "lblNorthStyle(3)"},
        {"mnuLagnaAtTop", false, "1 Aries", "2 Taurus", "lblNorthStyle(0)"},
    };
    for (const auto& step : steps) {
        Item(step.item)->trigger();
        EXPECT_EQ(number(0), step.top) << step.item;
        EXPECT_EQ(number(1), step.second) << step.item;
        EXPECT_EQ(at(step.topBox), topRhombus) << step.item;
        EXPECT_EQ(at("lblPlanets(11)"), southPisces) << step.item;
        EXPECT_EQ(settings.value("Chart/LagnaAtTop").toString() == "true", step.checked);
    }
    EXPECT_EQ(Text("lblNorthStyle(3)"), "Asc");
    atTop->trigger();
    Item("mnuNavamsa")->trigger();
    Calculate();
    EXPECT_TRUE(Item("mnuLagnaAtTop")->isChecked()) << "kept for the new window";
    EXPECT_EQ(number(0), "12 Pisces");
    EXPECT_EQ(Text("lblNorthStyle(11)"), "Asc\nMangala");
}

TEST_F(ChartChoicesTest, TimingTabOpensAndMarksTheRunningPeriods) {
    settings.setValue("Chart/DashaDepth", "3");
    EnterDelhi2020();
    Calculate();
    auto* tree = OnMainWindow<QTreeView>("treeDasha");
    auto* panchang = OnMainWindow<QTableWidget>("tblPanchang");
    ASSERT_TRUE(tree && panchang);
    EXPECT_EQ(panchang->item(0, 0)->text(), "Sunrise");
    EXPECT_TRUE(panchang->item(0, 1)->text().startsWith("2020-06-25 05:"))
        << panchang->item(0, 1)->text().toStdString();
    EXPECT_TRUE(panchang->item(0, 1)->text().endsWith("(upper limb, with refraction)"))
        << panchang->item(0, 1)->text().toStdString();
    const QAbstractItemModel& model = *tree->model();
    EXPECT_EQ(tree->accessibleName(), "Vimshottari dasha");
    EXPECT_EQ(model.rowCount({}), 9);
    // The Moon in Ashlesha: Mercury's period first, running from before the birth.
    EXPECT_EQ(model.index(0, 0).data().toString(), "Mercury");
    EXPECT_LT(model.index(0, 1).data().toString(), "2020-06-25 00:00:00");
    EXPECT_TRUE(Text("lblDashaBalance").startsWith("Balance of Mercury mahadasha at birth: "))
        << Text("lblDashaBalance").toStdString();
    // One running period a level, each open but the deepest, bold, within today, and current.
    const QString now = QDateTime::currentDateTime().toString("yyyy-MM-dd");
    QModelIndex parent, running;
    for (int level = 1; level <= 3; ++level) {
        QList<QModelIndex> marked;
        for (int row = 0; row < model.rowCount(parent); ++row) {
            if (model.index(row, 3, parent).data().toString() == "▶ now") {
                marked << model.index(row, 0, parent);
            }
        }
        ASSERT_EQ(marked.size(), 1) << "level " << level;
        running = marked.first();
        EXPECT_TRUE(running.data(Qt::FontRole).value<QFont>().bold()) << level;
        EXPECT_LE(running.siblingAtColumn(1).data().toString().left(10), now) << level;
        EXPECT_GE(running.siblingAtColumn(2).data().toString().left(10), now) << level;
        EXPECT_EQ(tree->isExpanded(running), level < 3) << level;
        parent = running;
    }
    EXPECT_EQ(tree->currentIndex().siblingAtColumn(0), running);
    // Another year length applies at once and is stated.
    const QString firstEnd = model.index(0, 2).data().toString();
    Item("mnuYear360")->trigger();
    EXPECT_NE(tree->model()->index(0, 2).data().toString(), firstEnd);
    EXPECT_TRUE(Text("lblDashaClock").contains("360 days")) << Text("lblDashaClock").toStdString();
    EXPECT_TRUE(Text("lblDashaClock").contains("UTC+5:30")) << Text("lblDashaClock").toStdString();
}

// Madrid lies west of Greenwich with a clock ahead of it; chosen from the atlas, the classic
// engine would read its zone backwards.
TEST_F(ChartChoicesTest, ClassicZoneWarningOffersThePreciseEngine) {
    const struct {
        bool fromAtlas;
        bool switchEngine;
        int questions;
        Engine computedBy;
        const char* stored;
    } cases[] = {
        {false, true, 0, Engine::Classic, ""},
        {true, true, 1, Engine::Precise, "precise"},
        {true, false, 1, Engine::Classic, ""},
    };
    for (const auto& c : cases) {
        settings.clear();
        messages.questions.clear();
        messages.answer = c.switchEngine;
        if (session.MainWindow()) session.Back();
        EnterDelhi1947();
        Pick("cboYear", "1990");
        Pick("cboMonth", "July");
        Pick("cboHour", "12");
        if (c.fromAtlas) {
            QLineEdit* city = OnForm<QLineEdit>("txtCity");
            city->clear();
            city->setFocus();
            QTest::keyClicks(city, "Madrid");
            QAbstractItemView* popup = city->completer()->popup();
            ASSERT_TRUE(popup->isVisible());
            QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Return);
        } else {
            Type("txtLonDeg", "3");
            Type("txtLonMin", "42");
            OnForm<QRadioButton>("optLong(1)")->setChecked(true);
            Pick("cboTimeZone", "Central European Time,CET,+1.0");
        }
        Click("cmdCalculate");
        ASSERT_EQ(messages.questions.size(), c.questions) << c.fromAtlas;
        if (c.questions) {
            EXPECT_TRUE(messages.questions.first().startsWith("Madrid lies west of Greenwich"))
                << messages.questions.first().toStdString();
        }
        ASSERT_NE(session.MainWindow(), nullptr);
        EXPECT_EQ(session.Chart().ComputedBy, c.computedBy);
        EXPECT_EQ(settings.value("Chart/Engine").toString(), c.stored);
        EXPECT_EQ(Item("mnuPrecise")->isChecked(), c.computedBy == Engine::Precise);
    }
    EXPECT_EQ(messages.choiceButtons.mid(0, 2),
              (QStringList{"Use &Precise Engine", "Keep &Classic Engine"}));
}

}  // namespace
}  // namespace grahavani::test
