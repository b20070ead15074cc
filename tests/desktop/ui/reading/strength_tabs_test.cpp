#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>

#include "chart/shadbala_input.h"
#include "model/name_tables.h"
#include "vargas/ashtakavarga.h"
#include "vargas/shadbala.h"
#include "tests/desktop/ui/session_fixture.h"
#include "desktop/ui/chart/chart_settings.h"
#include "desktop/ui/chart/sign_box.h"

namespace grahavani::test {
namespace {

class StrengthTabsTest : public SessionTest {
protected:
    // The cell of the row named `row` in the column headed `column`.
    QString Cell(const char* table, const QString& row, const QString& column) {
        auto* cells = OnMainWindow<QTableWidget>(table);
        if (!cells) return {};
        for (int r = 0; r < cells->rowCount(); ++r) {
            if (cells->item(r, 0)->text() != row) continue;
            for (int c = 0; c < cells->columnCount(); ++c) {
                if (cells->horizontalHeaderItem(c)->text() == column) return cells->item(r, c)->text();
            }
        }
        ADD_FAILURE() << table << " has no cell " << row.toStdString() << ", " << column.toStdString();
        return {};
    }
    // The Rupas row as the table shows it and as the core computes it for the chart on screen.
    std::pair<QStringList, QStringList> RupasShownAndComputed() {
        const Shadbala core = ComputeShadbala(
            ShadbalaInputOf(session.Birth(), session.Chart(), ReadSunriseRule(settings)));
        QStringList shown, computed;
        for (const std::size_t planet : AshtakavargaPlanets) {
            const QString name = QString::fromLatin1(BodyNames[planet].data(), BodyNames[planet].size());
            shown << Cell("tblShadbala", "Rupas", name);
            computed << QString::number(*core.Planets[planet].Rupas, 'f', 2);
        }
        return {shown, computed};
    }
};

// The two tabs follow the dasha tab. The table and the grids hold the core's bindus; the grids
// follow the chart window's style.
TEST_F(StrengthTabsTest, AshtakavargaReadsAsTableAndAsGridsInTheChosenStyle) {
    EnterDelhi1947();
    Click("cmdCalculate2");
    auto* view = OnMainWindow<QTabWidget>("SSTab1");
    ASSERT_NE(view, nullptr);
    QStringList captions;
    for (int tab = view->indexOf(OnMainWindow<QWidget>("PlanetsTab")); tab < view->count(); ++tab) {
        captions << view->tabText(tab);
    }
    EXPECT_EQ(captions, QStringList({"Planets", "Dasha and Panchang", "Ashtakavarga", "Shadbala"}));

    EXPECT_EQ(Cell("tblAshtakavarga", "Sun", "Total"), "48");
    EXPECT_EQ(Cell("tblAshtakavarga", "Sarva", "Total"), "337");
    const Ashtakavarga core = ComputeAshtakavarga(session.Chart());
    EXPECT_EQ(Cell("tblAshtakavarga", "Saturn", "Pisces"), QString::number(core.Bhinna[6][11]));
    EXPECT_EQ(Text("lblAshtakavargaSun"), "Sun 48");
    EXPECT_EQ(Text("lblAshtakavargaSarva"), "Sarva 337");

    const struct {
        const char* button;
        const char* drawing;
        const char* boxes;
    } styles[] = {{"cmdNorth", "picNorthRasi", "lblNorthStyle"},
                  {"cmdEast", "picRashiEast", "lblEast"},
                  {"cmdSouth", "picSouthRasi", "lblPlanets"}};
    for (const auto& style : styles) {
        ClickOnMainWindow(style.button);
        // The grids are made once the tab is shown.
        ClickOnMainWindow("cmdInterpration");
        view->setCurrentWidget(OnMainWindow<QWidget>("AshtakavargaTab"));
        EXPECT_NE(OnMainWindow<QWidget>(QStringLiteral("SarvaAshtakavarga_%1").arg(style.drawing)), nullptr);
        for (int sign : {0, 7, 11}) {
            const auto* box = OnMainWindow<SignBox>(QStringLiteral("SarvaAshtakavarga_%1(%2)").arg(style.boxes).arg(sign));
            ASSERT_NE(box, nullptr) << style.button;
            EXPECT_EQ(box->text(), QString::number(core.Sarva[static_cast<std::size_t>(sign)]));
            EXPECT_EQ(box->accessibleName().split(' ').first(), "Sarva");
        }
    }
}

// Recalculated by other settings, the shadbala is the core's for the new chart.
TEST_F(StrengthTabsTest, ShadbalaShowsTheCoresValuesToTwoDecimals) {
    EnterDelhi1947();
    Click("cmdCalculate2");
    EXPECT_EQ(Cell("tblShadbala", "Naisargika", "Sun"), "60.00");
    EXPECT_EQ(Cell("tblShadbala", "Naisargika", "Saturn"), "8.57");
    const auto [classicShown, classicComputed] = RupasShownAndComputed();
    EXPECT_EQ(classicShown, classicComputed);

    WriteEngine(settings, Engine::Precise);
    WriteAyanamsa(settings, Ayanamsa::Raman, 0);
    session.RecomputeChart();
    const auto [preciseShown, preciseComputed] = RupasShownAndComputed();
    EXPECT_EQ(preciseShown, preciseComputed);
    EXPECT_NE(preciseShown, classicShown);
    for (const char* planet : {"Sun", "Moon", "Saturn"}) {
        const double ratio = Cell("tblShadbala", "Ratio", planet).toDouble();
        EXPECT_EQ(Cell("tblShadbala", "Strength", planet), ratio < 1 ? "below minimum" : "meets minimum");
    }
    EXPECT_TRUE(OnMainWindow<QLabel>("lblShadbalaNote")->isHidden());
}

// In Tromsø's polar night the day's parts and what they add to are absent, and the note says why.
TEST_F(StrengthTabsTest, PolarNightShowsDashesAndTheNote) {
    EnterDelhi1947();
    Pick("cboDate", "21");
    Pick("cboMonth", "December");
    Pick("cboHour", "12");
    Type("txtCity", "Tromso");
    Type("txtLatDeg", "69");
    Type("txtLatMin", "39");
    Type("txtLonDeg", "18");
    Type("txtLonMin", "57");
    Click("cmdCalculate2");
    ASSERT_NE(session.MainWindow(), nullptr);
    for (const char* row : {"Kala", "Total", "Rupas", "Ratio", "Strength"}) {
        EXPECT_EQ(Cell("tblShadbala", row, "Moon"), "—") << row;
    }
    EXPECT_EQ(Cell("tblShadbalaParts", "Hora", "Moon"), "—");
    EXPECT_EQ(Cell("tblShadbalaParts", "Uchcha", "Moon").count('.'), 1);
    EXPECT_EQ(Cell("tblShadbala", "Naisargika", "Sun"), "60.00");
    auto* note = OnMainWindow<QLabel>("lblShadbalaNote");
    EXPECT_FALSE(note->isHidden());
    EXPECT_TRUE(note->text().startsWith("The Sun does not rise or set here")) << note->text().toStdString();
}

}  // namespace
}  // namespace grahavani::test
