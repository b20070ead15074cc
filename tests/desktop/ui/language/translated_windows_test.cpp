#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableWidget>
#include <QTextEdit>

#include "desktop/ui/chart/frm_display.h"
#include "desktop/ui/reading/interpretation_view.h"

#include "desktop/ui/language/desktop_translator.h"
#include "tests/desktop/ui/session_fixture.h"
#include "tests/translation/latin_words.h"

namespace grahavani {
namespace {

// Windows built after the Tamil translator is installed, as at a start in Tamil.
class TamilWindowsTest : public test::SessionTest {
public:
    static void SetUpTestSuite() { ASSERT_TRUE(InstallDesktopTranslator(Language::Tamil)); }
    static void TearDownTestSuite() { InstallDesktopTranslator(Language::English); }
};

// The words a reader meets on a control: its text, accessible name and description, tooltip,
// and a tab strip's tabs and a table's headings and cells.
QStringList ReaderTexts(QWidget* widget) {
    QStringList texts = {widget->accessibleName(), widget->accessibleDescription(), widget->toolTip()};
    if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) texts << group->title();
    if (auto* menu = qobject_cast<QMenu*>(widget)) texts << menu->title();
    for (QAction* action : widget->actions()) texts << action->text() << action->toolTip();
    if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
        for (int tab = 0; tab < tabs->count(); ++tab) texts << tabs->tabText(tab) << tabs->tabToolTip(tab);
    }
    if (auto* table = qobject_cast<QTableWidget*>(widget)) {
        for (int column = 0; column < table->columnCount(); ++column) {
            texts << table->model()->headerData(column, Qt::Horizontal).toString();
            for (int row = 0; row < table->rowCount(); ++row) texts << table->item(row, column)->text();
        }
    }
    return texts;
}

// What may stay in Latin letters: the program's name, the JPG format, the entered place, and
// English in the language menu, which names each language in its own script.
void ExpectNoEnglish(QWidget* window, const std::set<std::string>& entered) {
    static const std::set<std::string> kept = {"Grahavani", "JPG", "JPEG", "PDF", "UTC", "English"};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        for (QString text : ReaderTexts(widget)) {
            text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));  // a link's markup
            for (const std::string& word : test::LatinWords(text.toStdString())) {
                EXPECT_TRUE(kept.contains(word) || entered.contains(word))
                    << widget->objectName().toStdString() << ": " << text.toStdString();
            }
        }
    }
}

TEST_F(TamilWindowsTest, TheFormAndTheChartWindowSpeakTamilButForTheEntries) {
    ExpectNoEnglish(&session.EntryForm(), {});
    // The lists are chosen by row, as their texts are Tamil: August, and Indian Time.
    OnForm<QComboBox>("cboMonth")->setCurrentIndex(7);
    const QString zone = OnForm<QComboBox>("cboTimeZone")->itemText(34);
    EXPECT_TRUE(zone.endsWith(QStringLiteral(", IST, +5.3"))) << zone.toStdString();
    for (const auto& [box, text] : {std::pair{"txtName", "Asha Rao"}, {"txtCountry", "India"}, {"txtState", "Delhi"},
                                    {"txtCity", "New Delhi"}, {"txtLatDeg", "28"}, {"txtLatMin", "39"},
                                    {"txtLonDeg", "77"}, {"txtLonMin", "13"}}) {
        Type(box, text);
    }
    Pick("cboDate", "15");
    Pick("cboYear", "1947");
    OnForm<QComboBox>("cboTimeZone")->setCurrentIndex(34);
    Click("cmdCalculate2");
    ASSERT_NE(session.MainWindow(), nullptr);
    ExpectNoEnglish(session.MainWindow(), {"Asha", "Rao", "New", "Delhi", "India", "IST"});
    // The chart file's month is the English month, whatever the list shows.
    EXPECT_EQ(session.Birth().Month, 8);
}

// Every text a window shows or gives a screen reader, the lists' rows and the boxes' contents
// too, one line per widget, sorted: Qt may
// restack a widget's children.
QStringList AllTexts(QWidget* window) {
    QStringList lines = {window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        QStringList texts = {widget->metaObject()->className() + QStringLiteral(" ") + widget->objectName()};
        texts << ReaderTexts(widget);
        if (auto* list = qobject_cast<QComboBox*>(widget)) {
            for (int row = 0; row < list->count(); ++row) texts << list->itemText(row);
        }
        if (auto* box = qobject_cast<QLineEdit*>(widget)) texts << box->text();
        if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) texts << box->toPlainText();
        if (auto* box = qobject_cast<QTextEdit*>(widget)) texts << box->toPlainText();
        lines << texts.join(QStringLiteral(" | "));
    }
    lines.sort();
    return lines;
}

void ExpectSameTexts(const QStringList& actual, const QStringList& expected) {
    EXPECT_EQ(actual.size(), expected.size());
    for (qsizetype index = 0; index < std::min(actual.size(), expected.size()); ++index) {
        if (actual[index] == expected[index]) continue;
        ADD_FAILURE() << actual[index].toStdString() << "\n  was\n" << expected[index].toStdString();
        return;
    }
}

class LanguageSwitchTest : public test::SessionTest {
protected:
    void Choose(QWidget* window, const char* item) {
        auto* action = window->findChild<QAction*>(item);
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }
};

TEST_F(LanguageSwitchTest, EveryWindowChangesAtOnceAndComesBackToItsEnglish) {
    EnterDelhi1947();
    Click("cmdCalculate2");
    MDI* window = session.MainWindow();
    ASSERT_NE(window, nullptr);
    window->ChooseVarga(5);
    ClickOnMainWindow("cmdInterpration");
    InterpretationView& interpretation = window->Display().Interpretation();
    interpretation.setCurrentIndex(1);
    interpretation.ReturnTo({3, 0});
    session.ShowMatching();
    QWidget* matching = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("frmMatching")) matching = top;
    }
    ASSERT_NE(matching, nullptr);
    const QStringList form = AllTexts(&session.EntryForm());
    const QStringList chart = AllTexts(window);
    const QStringList match = AllTexts(matching);
    const QSize size = window->size();

    // From the chart window to Hindi, then from the form to Tamil.
    const struct {
        QWidget* menuWindow;
        const char* item;
        Language language;
        const char* code;
    } switches[] = {{window, "mnuHindi", Language::Hindi, "hi"}, {&session.EntryForm(), "mnuTamil", Language::Tamil, "ta"}};
    const std::set<std::string> entered = {"Asha", "Rao", "New", "Delhi", "India", "IST"};
    for (const auto& change : switches) {
        Choose(change.menuWindow, change.item);
        EXPECT_EQ(DesktopLanguage(), change.language);
        EXPECT_EQ(settings.value("View/Language").toString(), QString::fromLatin1(change.code));
        EXPECT_TRUE(window->findChild<QAction*>(change.item)->isChecked());
        EXPECT_TRUE(session.EntryForm().findChild<QAction*>(change.item)->isChecked());
        ExpectNoEnglish(&session.EntryForm(), {});
        ExpectNoEnglish(window, entered);
        ExpectNoEnglish(matching, entered);
        // What the reader chose stays: the entries, the varga, the tab and page, the window's size.
        EXPECT_EQ(OnForm<QComboBox>("cboMonth")->currentIndex(), 7);
        EXPECT_EQ(OnMainWindow<QComboBox>("cboVarga")->currentIndex(), 5);
        EXPECT_EQ(interpretation.currentIndex(), 1);
        EXPECT_EQ(interpretation.Place().nakshatraPage, 3);
        EXPECT_EQ(window->size(), size);
        EXPECT_EQ(session.Birth().Month, 8);
    }

    Choose(&session.EntryForm(), "mnuEnglish");
    EXPECT_EQ(settings.value("View/Language").toString(), QStringLiteral("en"));
    ExpectSameTexts(AllTexts(&session.EntryForm()), form);
    ExpectSameTexts(AllTexts(window), chart);
    ExpectSameTexts(AllTexts(matching), match);
}

}  // namespace
}  // namespace grahavani
