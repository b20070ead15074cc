#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>

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

// The words a reader meets on a control: its text, accessible name and description, tooltip.
QStringList ReaderTexts(QWidget* widget) {
    QStringList texts = {widget->accessibleName(), widget->accessibleDescription(), widget->toolTip()};
    if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) texts << group->title();
    for (QAction* action : widget->actions()) texts << action->text() << action->toolTip();
    return texts;
}

// What may stay in Latin letters: the program's name, the JPG format, the entered place.
void ExpectNoEnglish(QWidget* window, const std::set<std::string>& entered) {
    static const std::set<std::string> kept = {"Grahavani", "JPG", "JPEG", "PDF", "UTC"};
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

}  // namespace
}  // namespace grahavani
