#include <functional>
#include <map>

#include <QAction>
#include <QLabel>

#include "chart/compute_chart.h"
#include "desktop/ui/chart/chart_settings.h"
#include "tests/desktop/ui/session_fixture.h"
#include "tests/engines/precise/ephemeris_folder.h"

namespace grahavani::test {
namespace {

using CalculateCommandTest = SessionTest;

// Sign boxes of the 1947 chart: Taurus lagna (core test ComputeChart.Delhi1947), the
// bodies read off the engine's positions in the table below.
const std::map<int, QString> Delhi1947Boxes = {
    {1, "Asc\nRahu"}, {2, "Mangala"}, {3, "Surya\nChandra\nBudha\nShukra\nShani"},
    {6, "Guru"},      {7, "Ketu"}};

TEST_F(CalculateCommandTest, FillsHeaderDetailsTableAndAllThreeDrawings) {
    EnterDelhi1947();
    Click("cmdCalculate2");
    ASSERT_TRUE(messages.messages.isEmpty()) << messages.messages.join("; ").toStdString();
    ASSERT_NE(session.MainWindow(), nullptr);
    EXPECT_FALSE(session.EntryForm().isVisible());
    EXPECT_TRUE(session.MainWindow()->isVisible());

    EXPECT_EQ(Text("lblName"), "Name: Asha Rao");
    EXPECT_EQ(Text("lblCity"), "City: New Delhi");
    EXPECT_EQ(Text("lblState"), "State: Delhi");
    EXPECT_EQ(Text("lblCountry"), "Country: India");
    EXPECT_EQ(Text("lblDOB"), "Date of Birth: August 15, 1947");
    EXPECT_EQ(Text("lblTOB"), "Time of Birth: 0 HH 0 MM ");
    EXPECT_EQ(Text("lblLatitude"), "Latitude: 28 Degree 39 Minute");
    EXPECT_EQ(Text("lblLongitude"), "Longitude: 77 Degree 13 Minute");

    const ChartResult& chart = session.Chart();
    EXPECT_EQ(chart.LagnaName, "Vrishabha");
    EXPECT_EQ(Text("lblAyanamsha").toStdString(), chart.AyanamsaDisplay);
    EXPECT_EQ(Text("lblLagna"), "Vrishabha");
    EXPECT_EQ(Text("lblNakshatra").toStdString(), chart.MoonNakshatra);
    EXPECT_EQ(Text("lblRashi").toStdString(), chart.MoonRashi);
    EXPECT_EQ(Text("lblPada").toStdString(), chart.NakshatraPada);
    EXPECT_EQ(Text("lblLord").toStdString(), chart.NakshatraLord);
    for (int body = 0; body < 9; ++body) {
        EXPECT_EQ(Text(QStringLiteral("Planet(%1)").arg(body)).toStdString(),
                  chart.PositionTexts[static_cast<std::size_t>(body)]);
    }
    EXPECT_EQ(Text("PlanetName(7)"), "Rahu / North Node");

    for (int sign = 0; sign < 12; ++sign) {
        const QString expected = Delhi1947Boxes.count(sign) ? Delhi1947Boxes.at(sign) : QString();
        for (const char* boxes : {"lblNorthStyle", "lblPlanets", "lblEast"}) {
            EXPECT_EQ(Text(QStringLiteral("%1(%2)").arg(boxes).arg(sign)), expected)
                << boxes << "(" << sign << ")";
        }
    }
}

TEST_F(CalculateCommandTest, EveryEntryPointGivesTheSameRecords) {
    EnterDelhi1947();
    const auto calculateWith = [this](const std::function<void()>& press) {
        press();
        EXPECT_TRUE(messages.messages.isEmpty());
        const auto result = std::make_pair(session.Birth(), session.Chart());
        session.Back();
        return result;
    };
    const auto south = calculateWith([this] { Click("cmdCalculate"); });
    const auto north = calculateWith([this] { Click("cmdCalculate2"); });
    const auto east = calculateWith([this] { Click("cmdCalculate3"); });
    const auto menu =
        calculateWith([this] { OnForm<QAction>("mnuCalculate")->trigger(); });
    for (const auto* other : {&north, &east, &menu}) {
        EXPECT_EQ(other->second.PositionTexts, south.second.PositionTexts);
        EXPECT_EQ(other->second.AyanamsaText, south.second.AyanamsaText);
        EXPECT_EQ(other->second.MoonNakshatra, south.second.MoonNakshatra);
        EXPECT_EQ(other->first.Name, south.first.Name);
        EXPECT_EQ(other->first.ZoneMinutes, south.first.ZoneMinutes);
    }
    EXPECT_EQ(south.first.ZoneHours, 5);
    EXPECT_EQ(south.first.ZoneMinutes, 30);
    EXPECT_TRUE(south.first.IsEast);
    EXPECT_FALSE(south.first.IsSouth);
}

TEST_F(CalculateCommandTest, CoordinateThatIsNoWholeNumberIsRefusedAndNamed) {
    EnterDelhi1947();
    Click("cmdCalculate");
    const BirthRecord before = session.Birth();
    const std::string positionsBefore = session.Chart().PositionTexts[0];
    session.Back();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&session.EntryForm()));

    Pick("cboYear", "2000");
    const struct {
        const char* field;
        const char* text;
        const char* message;
    } refusals[] = {
        {"txtLatDeg", " ", "Please enter the degrees of latitude as a whole number"},
        {"txtLatMin", "ab", "Please enter the minutes of latitude as a whole number"},
        {"txtLonDeg", "40000", "Please enter the degrees of longitude as a whole number"},
        {"txtLonMin", "1.5", "Please enter the minutes of longitude as a whole number"},
    };
    for (const auto& refusal : refusals) {
        const QString good = OnForm<QLineEdit>(refusal.field)->text();
        Type(refusal.field, refusal.text);
        messages.messages.clear();
        Click("cmdCalculate");
        ASSERT_EQ(messages.messages.size(), 1) << refusal.field;
        EXPECT_TRUE(messages.messages.first().startsWith(refusal.message))
            << messages.messages.first().toStdString();
        EXPECT_TRUE(OnForm<QLineEdit>(refusal.field)->hasFocus()) << refusal.field;
        EXPECT_EQ(session.MainWindow(), nullptr);
        EXPECT_TRUE(session.EntryForm().isVisible());
        EXPECT_EQ(session.Birth().Year, before.Year);
        EXPECT_EQ(session.Chart().PositionTexts[0], positionsBefore);
        Type(refusal.field, good);
    }
}

TEST_F(CalculateCommandTest, FailedValidationChangesNothing) {
    EnterDelhi1947();
    Click("cmdCalculate");
    session.Back();
    const BirthRecord before = session.Birth();
    Type("txtName", "Someone Else");
    Pick("cboDate", "31");
    Pick("cboMonth", "April");
    Click("cmdCalculate3");
    EXPECT_EQ(messages.messages, QStringList{"Please Enter Correct Date Or Month !"});
    EXPECT_EQ(session.Birth().Name, before.Name);
    EXPECT_EQ(session.MainWindow(), nullptr);
}

// A damaged planet file fails the precise chart: a message naming the file, no chart on
// screen, the records as they were. (The classic chart's sunrise reads no file within the
// tabled days.)
TEST_F(CalculateCommandTest, DamagedEphemerisFileShowsAMessageAndNoChart) {
    const EphemerisFolder ephemeris("desktop", PlanetFile::Empty);
    {
        WriteEngine(settings, Engine::Precise);
        messages.messages.clear();
        EnterDelhi1947();
        Click("cmdCalculate");
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_TRUE(messages.messages[0].contains(QString::fromStdString(ephemeris.PlanetFilePath())))
            << messages.messages[0].toStdString();
        EXPECT_EQ(session.MainWindow(), nullptr);
        EXPECT_EQ(session.Birth().Name, "");
    }
}

}  // namespace
}  // namespace grahavani::test
