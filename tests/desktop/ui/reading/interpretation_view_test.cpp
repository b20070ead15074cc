#include <stdexcept>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>

#include "interpretation/interpretation_view_texts.h"
#include "interpretation/nakshatra_profile_table.h"
#include "interpretation/planets_in_signs.h"
#include "interpretation/sign_profile_table.h"
#include "tests/desktop/ui/session_fixture.h"
#include "desktop/ui/reading/display_text.h"
#include "desktop/ui/reading/interpretation_view.h"
#include "desktop/ui/reading/picture_box.h"
#include "render/profile_pictures.h"
#include "model/vedic_names.h"

namespace grahavani::test {
namespace {

// The box's text with the weight of every character that is not a line break.
struct ReadBack {
    QString text;
    std::vector<bool> bold;
    bool allBlack = true;
};

ReadBack ReadDocument(const QTextEdit& box) {
    ReadBack read;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        if (block != box.document()->begin()) read.text += '\n';
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            read.allBlack &= format.foreground().color() == Qt::black;
            read.text += fragment.fragment().text();
            read.bold.insert(read.bold.end(), fragment.fragment().text().size(),
                             format.fontWeight() >= QFont::Bold);
        }
    }
    return read;
}

ReadBack Expected(const std::vector<TextRun>& runs) {
    ReadBack expected;
    for (const TextRun& run : runs) {
        const QString text = DisplayText(run.text);
        expected.text += text;
        expected.bold.insert(expected.bold.end(), text.size() - text.count('\n'), run.bold);
    }
    return expected;
}

std::array<std::string, 12> AllInOneSign(const char* position) {
    std::array<std::string, 12> texts;
    texts.fill(position);
    return texts;
}

// Every text box of the view holds its column of the given rows.
void ExpectProfilesShown(QWidget& view, const NakshatraProfile& nakshatra,
                         const SignProfile& lagna, const SignProfile& rashi) {
    const auto boxText = [&view](std::string_view name) {
        const QString objectName = DisplayText(name);
        if (auto* line = view.findChild<QLineEdit*>(objectName)) return line->text();
        if (auto* prose = view.findChild<QPlainTextEdit*>(objectName)) return prose->toPlainText();
        ADD_FAILURE() << "no text box " << objectName.toStdString();
        return QString();
    };
    for (const NakshatraField& field : NakshatraFields) {
        EXPECT_EQ(boxText(field.textBox), DisplayText(NakshatraProfileColumn(nakshatra, field.column)))
            << field.textBox;
    }
    for (const SignField& field : SignFields) {
        const SignColumnControls& controls = SignProfileControls[static_cast<std::size_t>(field.column)];
        EXPECT_EQ(boxText(controls.lagnaTab), DisplayText(SignProfileColumn(lagna, field.column)));
        EXPECT_EQ(boxText(controls.rashiTab), DisplayText(SignProfileColumn(rashi, field.column)));
    }
    EXPECT_EQ(view.findChild<QLabel*>("lblNakshatraResult")->text(), DisplayText(nakshatra.name));
    EXPECT_EQ(view.findChild<QLabel*>("lblVedicName")->text(), DisplayText(lagna.sanskritName));
    EXPECT_EQ(view.findChild<QLabel*>("lblRashiVedicName")->text(), DisplayText(rashi.sanskritName));
}

QImage PictureOf(QWidget& view, const char* pictureBox) {
    const QPixmap picture = view.findChild<QLabel*>(pictureBox)->pixmap();
    return picture.toImage();
}

QImage Rendered(ImageList list, std::string_view key, QSize size) {
    QLabel box;
    box.setFixedSize(size);
    ShowPicture(box, PicturePath(list, key));
    return box.pixmap().toImage();
}

using InterpretationAfterCalculateTest = SessionTest;

// The 1947 chart: Taurus lagna, Moon in Cancer (see the calculate command's tests).
TEST_F(InterpretationAfterCalculateTest, FillsAllFourTabsForTheChartOnScreen) {
    EnterDelhi1947();
    Click("cmdCalculate2");
    ASSERT_NE(session.MainWindow(), nullptr);
    const ChartResult& chart = session.Chart();

    auto* reading = OnMainWindow<QTextEdit>("RTBHouseDesc");
    const ReadBack shown = ReadDocument(*reading);
    const ReadBack expected = Expected(PlanetsInSignsReading(chart.PositionTexts));
    EXPECT_EQ(shown.text, expected.text);
    EXPECT_EQ(shown.bold, expected.bold);
    EXPECT_TRUE(shown.allBlack);
    EXPECT_TRUE(shown.text.startsWith("Sun In Cancer\n"));
    EXPECT_EQ(reading->textCursor().position(), 0);

    ASSERT_EQ(chart.LagnaSign, "Tau");
    ASSERT_EQ(chart.MoonRashi, "Kataka");
    ExpectProfilesShown(*session.MainWindow(), *NakshatraProfileFor(chart.MoonNakshatra),
                        SignProfileTable[1], SignProfileTable[3]);
    EXPECT_EQ(OnMainWindow<QTabBar>("TS")->tabText(0).toStdString(),
              "More About " + chart.MoonNakshatra + " Nakshatra");
    EXPECT_EQ(PictureOf(*session.MainWindow(), "picRashi"),
              Rendered(ImageList::Lagna, "Taurus", OnMainWindow<QLabel>("picRashi")->size()));
    EXPECT_TRUE(OnMainWindow<QWidget>("fraChart")->isVisible());
    EXPECT_FALSE(OnMainWindow<QWidget>("fraInterpretation")->isVisible());
}

// The planet table stands before the dasha tab, one row for the ascendant and each body, and
// sorts by number where a column holds numbers.
TEST_F(InterpretationAfterCalculateTest, PlanetsTabListsTheAscendantAndTheNineBodies) {
    EnterDelhi1947();
    Click("cmdCalculate2");
    auto* view = OnMainWindow<QTabWidget>("SSTab1");
    ASSERT_NE(view, nullptr);
    const int planetsTab = view->indexOf(OnMainWindow<QWidget>("PlanetsTab"));
    EXPECT_EQ(view->tabText(planetsTab), "Planets");
    EXPECT_EQ(view->tabText(planetsTab + 1), "Dasha and Panchang");

    auto* table = OnMainWindow<QTableWidget>("tblPlanets");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->accessibleName(), "Planets");
    ASSERT_EQ(table->rowCount(), 10);
    const auto cell = [table](int row, const char* column) {
        for (int c = 0; c < table->columnCount(); ++c) {
            if (table->horizontalHeaderItem(c)->text() == column) return table->item(row, c)->text();
        }
        ADD_FAILURE() << "no column " << column;
        return QString();
    };
    const ChartResult& chart = session.Chart();
    EXPECT_EQ(cell(0, "Body"), "Ascendant");
    EXPECT_EQ(cell(0, "Text").toStdString(), chart.AscendantText);
    EXPECT_EQ(cell(0, "House"), "1");
    EXPECT_EQ(cell(2, "Body"), "Moon");
    EXPECT_EQ(cell(2, "Nakshatra").toStdString(), chart.MoonNakshatra);
    EXPECT_EQ(cell(2, "Retrograde"), "");  // the classic engine does not say

    const int house = 8;
    ASSERT_EQ(table->horizontalHeaderItem(house)->text(), "House");
    table->sortByColumn(house, Qt::DescendingOrder);
    for (int row = 1; row < table->rowCount(); ++row) {
        EXPECT_GE(cell(row - 1, "House").toInt(), cell(row, "House").toInt()) << row;
    }
    EXPECT_EQ(cell(9, "House"), "1");
}

TEST_F(InterpretationAfterCalculateTest, ASecondChartReplacesEveryText) {
    EnterDelhi1947();
    Click("cmdCalculate");
    const ChartResult first = session.Chart();
    ClickOnMainWindow("cmdInterpration");
    OnMainWindow<QTabBar>("LagnaTS")->setCurrentIndex(3);

    // Computed again while the display is open, as a chart file opened from it would be.
    Pick("cboYear", "1990");
    Pick("cboMonth", "March");
    Pick("cboHour", "13");
    session.CalculateChart(ChartStyle::South);
    const ChartResult& second = session.Chart();
    ASSERT_NE(second.MoonNakshatra, first.MoonNakshatra);
    ASSERT_NE(second.LagnaSign, first.LagnaSign);
    ASSERT_NE(second.MoonRashi, first.MoonRashi);

    EXPECT_EQ(ReadDocument(*OnMainWindow<QTextEdit>("RTBHouseDesc")).text,
              Expected(PlanetsInSignsReading(second.PositionTexts)).text);
    ExpectProfilesShown(*session.MainWindow(), *NakshatraProfileFor(second.MoonNakshatra),
                        *LagnaProfileFor(second.LagnaSign), *RashiProfileFor(second.MoonRashi));
    EXPECT_TRUE(OnMainWindow<QWidget>("fraChart")->isVisible());
    // The lagna strip keeps the tab the user chose; the nakshatra strip starts again at tab 1.
    EXPECT_EQ(OnMainWindow<QTabBar>("LagnaTS")->currentIndex(), 3);
    EXPECT_EQ(OnMainWindow<QTabBar>("TS")->currentIndex(), 0);
}

class InterpretationViewTest : public ::testing::Test {
protected:
    InterpretationViewTest() { view.show(); }

    template <typename Widget>
    Widget& Find(const QString& name) {
        auto* widget = view.findChild<Widget*>(name);
        if (!widget) throw std::runtime_error("no control named " + name.toStdString());
        return *widget;
    }
    QString LineText(const char* name) { return Find<QLineEdit>(name).text(); }
    QString LabelText(const char* name) { return Find<QLabel>(name).text(); }

    InterpretationView view{nullptr};
};

TEST_F(InterpretationViewTest, AllSevenPlanetsInOneSignRepeatItsProfile) {
    ChartResult chart;
    chart.PositionTexts = AllInOneSign("10 Can 05");
    view.FillPlanetsInSigns(chart);
    const QString text = ReadDocument(Find<QTextEdit>("RTBHouseDesc")).text;
    // Cancer's keywords keep their trailing space before the break.
    EXPECT_EQ(text.count("Keywords :-\nProtective, Cautious, Intuitive \n\n"), 7);
    EXPECT_EQ(text.count("Ruling Planet :-\nThe Moon"), 7);
    EXPECT_TRUE(text.endsWith("Ruling Planet :-\nThe Moon"));
    EXPECT_FALSE(text.contains('\r'));

    // A second reading replaces the first.
    chart.PositionTexts = AllInOneSign("10 Ari 05");
    view.FillPlanetsInSigns(chart);
    EXPECT_FALSE(ReadDocument(Find<QTextEdit>("RTBHouseDesc")).text.contains("Cancer"));
}

TEST_F(InterpretationViewTest, SignsAreFoundByAbbreviationForLagnaAndByPositionForRashi) {
    const struct {
        const char* lagnaSign;
        const char* moonRashi;
        const char* sanskrit;
        const char* english;
    } cases[] = {
        {"Sco", "Vrishcika", "Vrischika", "Scorpio"},
        {"Sag", "Dhanus", "Dhanus", "Sagittarius"},
        {"Ari", "Mesha", "Mesha", "Aries"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.english);
        view.ShowLagnaProfile(c.lagnaSign);
        view.ShowRashiProfile(c.moonRashi);
        const QString sanskrit = c.sanskrit;
        EXPECT_EQ(LabelText("lblVedicName"), sanskrit);
        EXPECT_EQ(LabelText("lblRashiVedicName"), sanskrit);
        EXPECT_EQ(LineText("txtEnglishName"), c.english);
        EXPECT_EQ(LineText("txtRashiEnglishName"), c.english);
        EXPECT_EQ(LabelText("lblLuckyDays"), "Lucky Days for " + sanskrit);
        EXPECT_EQ(LabelText("lblBestPeriodOfActivity"), "Best Period Of Activity for " + sanskrit);
        EXPECT_EQ(Find<QTabBar>("LagnaTS").tabText(6), "Lucky for " + sanskrit);
        EXPECT_EQ(Find<QTabBar>("RashiTS").tabText(6), "Lucky for " + sanskrit);
        const QSize size = Find<QLabel>("picRashi").size();
        EXPECT_EQ(PictureOf(view, "picRashi"), Rendered(ImageList::Lagna, c.english, size));
        EXPECT_EQ(PictureOf(view, "picRashiRashi"), Rendered(ImageList::Rashi, c.english, size));
    }
    // The rashi tab's lucky captions are not renamed.
    EXPECT_EQ(Find<QLineEdit>("txtRashiLuckyDays").accessibleName(), "Lucky Days");
    EXPECT_EQ(Find<QLineEdit>("txtLuckyDays").accessibleName(), "Lucky Days for Mesha");
}

TEST_F(InterpretationViewTest, AshwiniProfileWithItsPicture) {
    view.ShowNakshatraProfile("Ashwini");
    EXPECT_EQ(Find<QTabBar>("TS").tabText(0), "More About Ashwini Nakshatra");
    EXPECT_EQ(LabelText("lblNakshatraResult"), "Ashwini");
    EXPECT_EQ(LineText("txtRullingDeva"), "Ashwina Kumara");
    EXPECT_TRUE(Find<QPlainTextEdit>("txtGeneralAndPhysicalFeatures")
                    .toPlainText()
                    .startsWith("Ashwini is the first nakshatra"));
    const QSize size = Find<QLabel>("picNakshatra").size();
    EXPECT_FALSE(PictureOf(view, "picNakshatra").isNull());
    EXPECT_EQ(PictureOf(view, "picNakshatra"), Rendered(ImageList::Nakshatra, "Ashwini", size));
}

TEST_F(InterpretationViewTest, NamesWithoutAProfileKeepWhatIsShown) {
    view.ShowNakshatraProfile("Ashwini");
    view.ShowLagnaProfile("Ari");
    view.ShowRashiProfile("Mesha");
    for (const char* name : {"ashwini", "", "Ashwini ", "Xyz"}) {
        view.ShowNakshatraProfile(name);
        view.ShowLagnaProfile(name);
        view.ShowRashiProfile(name);
    }
    ExpectProfilesShown(view, NakshatraProfileTable[0], SignProfileTable[0], SignProfileTable[0]);
}

// Only the fields of the strip's selected tab are seen, whether the tab is chosen by a
// click or from code; clicking the selected tab again changes nothing.
TEST_F(InterpretationViewTest, PagesFollowTheirTabStrips) {
    struct Strip {
        int viewTab;
        const char* name;
        std::vector<std::pair<int, std::string_view>> fields;  // page, text box
    };
    std::vector<Strip> strips = {{1, "TS", {}}, {2, "LagnaTS", {}}, {3, "RashiTS", {}}};
    for (const NakshatraField& field : NakshatraFields) strips[0].fields.emplace_back(field.page, field.textBox);
    for (const SignField& field : SignFields) {
        const SignColumnControls& controls = SignProfileControls[static_cast<std::size_t>(field.column)];
        strips[1].fields.emplace_back(field.page, controls.lagnaTab);
        strips[2].fields.emplace_back(field.page, controls.rashiTab);
    }
    for (const Strip& strip : strips) {
        view.setCurrentIndex(strip.viewTab);
        auto& tabStrip = Find<QTabBar>(strip.name);
        const auto expectPageInFront = [&](int page) {
            for (const auto& [fieldPage, box] : strip.fields) {
                EXPECT_EQ(Find<QWidget>(DisplayText(box)).isVisible(), fieldPage == 0 || fieldPage == page)
                    << strip.name << " page " << page << ": " << box;
            }
        };
        expectPageInFront(1);
        for (int tab = tabStrip.count() - 1; tab >= 0; --tab) {
            QTest::mouseClick(&tabStrip, Qt::LeftButton, {}, tabStrip.tabRect(tab).center());
            expectPageInFront(tab + 1);
            QTest::mouseClick(&tabStrip, Qt::LeftButton, {}, tabStrip.tabRect(tab).center());
            expectPageInFront(tab + 1);
        }
        tabStrip.setCurrentIndex(2);
        expectPageInFront(3);
    }
    // A new nakshatra brings tab 1 of its strip back, with its page.
    view.setCurrentIndex(1);
    view.ShowNakshatraProfile("Revati");
    EXPECT_EQ(Find<QTabBar>("TS").currentIndex(), 0);
    EXPECT_TRUE(Find<QLineEdit>("txtNature").isVisible());
}

// Each caption explains its field in a tooltip, and each box is read-only, named by its
// caption and reachable with the keyboard.
TEST_F(InterpretationViewTest, EveryFieldHasItsCaptionHelpTextAndAReadOnlyBox) {
    const auto expectField = [this](std::string_view textBox, std::string_view caption,
                                    std::string_view helpText) {
        SCOPED_TRACE(std::string(textBox));
        auto& box = Find<QWidget>(DisplayText(textBox));
        const QLabel* label = nullptr;
        for (const QLabel* candidate : view.findChildren<QLabel*>()) {
            if (candidate->buddy() == &box) label = candidate;
        }
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), DisplayText(caption));
        EXPECT_EQ(label->toolTip(), DisplayText(helpText));
        EXPECT_EQ(box.accessibleName(), DisplayText(caption));
        EXPECT_TRUE(box.focusPolicy() & Qt::TabFocus);
        if (auto* line = qobject_cast<QLineEdit*>(&box)) {
            EXPECT_TRUE(line->isReadOnly());
        }
        if (auto* prose = qobject_cast<QPlainTextEdit*>(&box)) {
            EXPECT_TRUE(prose->isReadOnly());
            EXPECT_NE(prose->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        }
    };
    for (const NakshatraField& field : NakshatraFields) expectField(field.textBox, field.caption, field.helpText);
    for (const SignField& field : SignFields) {
        const SignColumnControls& controls = SignProfileControls[static_cast<std::size_t>(field.column)];
        expectField(controls.lagnaTab, field.caption, field.helpText);
        expectField(controls.rashiTab, field.caption, field.helpText);
    }
    EXPECT_TRUE(Find<QTextEdit>("RTBHouseDesc").isReadOnly());
}

TEST(ProfilePictures, EveryKeyHasAPictureThatLoads) {
    const auto expectPicture = [](ImageList list, std::string_view key) {
        const QString path = PicturePath(list, key);
        ASSERT_FALSE(path.isEmpty()) << key;
        EXPECT_TRUE(QSvgRenderer(path).isValid()) << key;
    };
    for (std::string_view name : NakshatraNames) expectPicture(ImageList::Nakshatra, name);
    for (const SignProfile& sign : SignProfileTable) {
        expectPicture(ImageList::Lagna, sign.englishName);
        expectPicture(ImageList::Rashi, sign.englishName);
    }
    EXPECT_NE(PicturePath(ImageList::Lagna, "Aries"), PicturePath(ImageList::Rashi, "Aries"));
    for (const char* unknown : {"", "Ophiuchus", "Mesha"}) {
        EXPECT_TRUE(PicturePath(ImageList::Rashi, unknown).isEmpty()) << unknown;
    }
}

}  // namespace
}  // namespace grahavani::test
