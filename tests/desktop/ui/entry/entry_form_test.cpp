#include <QAction>
#include <QCheckBox>
#include <QRadioButton>

#include "tests/desktop/ui/session_fixture.h"

namespace grahavani::test {
namespace {

using EntryFormTest = SessionTest;

QStringList Entries(QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    return entries;
}

TEST_F(EntryFormTest, ListsAndDefaults) {
    EXPECT_EQ(session.EntryForm().windowTitle(), "Grahavani 2.05");
    const struct {
        const char* list;
        int count;
        const char* first;
        const char* last;
    } lists[] = {{"cboDate", 31, "1", "31"},       {"cboMonth", 12, "January", "December"},
                 {"cboYear", 151, "1900", "2050"}, {"cboHour", 25, "0", "24"},
                 {"cboMinute", 60, "0", "59"},
                 {"cboTimeZone", 71, "Alaska/Hawaii Daylight Time,AHDT,-9.0", nullptr}};
    for (const auto& expected : lists) {
        QComboBox* list = OnForm<QComboBox>(expected.list);
        const QStringList entries = Entries(list);
        EXPECT_EQ(entries.size(), expected.count) << expected.list;
        EXPECT_EQ(list->currentIndex(), 0) << expected.list;
        EXPECT_EQ(entries.first(), expected.first) << expected.list;
        if (expected.last) {
            EXPECT_EQ(entries.last(), expected.last) << expected.list;
        }
        EXPECT_FALSE(list->isEditable()) << expected.list << " must take no typed text";
    }
    EXPECT_TRUE(OnForm<QRadioButton>("optLat(0)")->isChecked());
    EXPECT_EQ(OnForm<QRadioButton>("optLat(1)")->text(), "South");
    EXPECT_TRUE(OnForm<QRadioButton>("optLong(0)")->isChecked());
    EXPECT_EQ(OnForm<QRadioButton>("optLong(1)")->text(), "West");
    EXPECT_FALSE(OnForm<QCheckBox>("chkDST")->isChecked());
    EXPECT_EQ(OnForm<QPushButton>("cmdCalculate")->text(),
              "Get My Janam Kundali (&South Indian Style)");
    EXPECT_EQ(OnForm<QAction>("mnuCalculate")->text(), "Get My Janam &Kundali");
}

// A translated list shows other words, but the chart and its file get the English month.
TEST_F(EntryFormTest, MonthReachesTheEntriesByRowWhateverTheListShows) {
    QComboBox* months = OnForm<QComboBox>("cboMonth");
    for (int row = 0; row < months->count(); ++row) months->setItemText(row, QStringLiteral("month %1").arg(row));
    BirthEntries entries = session.EntryForm().Entries();
    EXPECT_EQ(entries.Month, "January");
    for (const auto& [month, row] : {std::pair{"March", 2}, {"December", 11}, {"Smarch", -1}}) {
        entries.Month = month;
        session.EntryForm().SetEntries(entries);
        EXPECT_EQ(months->currentIndex(), row) << month;
        EXPECT_EQ(session.EntryForm().Entries().Month, row < 0 ? "" : month);
    }
}

// Qt's own search forgets the typed text after 0.4 s: at a typist's pace "2", "0" stayed 2 and
// "3", "1" went to 10; typed fast, "3", "5" stayed 3. The year list keeps that prefix search.
TEST_F(EntryFormTest, DigitsTypedIntoTheDayHourAndMinuteListsPickThatNumber) {
    const struct {
        const char* list;
        const char* typed;
        const char* picked;
    } cases[] = {
        {"cboDate", "2", "2"},     {"cboDate", "20", "20"},   {"cboDate", "11", "11"},
        {"cboDate", "31", "31"},   {"cboDate", "35", "5"},    {"cboDate", "0", "1"},
        {"cboDate", "05", "5"},    {"cboHour", "24", "24"},   {"cboHour", "25", "5"},
        {"cboMinute", "59", "59"}, {"cboMinute", "007", "7"}, {"cboYear", "194", "1940"},
    };
    for (const auto& c : cases) {
        QComboBox* list = OnForm<QComboBox>(c.list);
        QTest::keyClick(list, Qt::Key_Home);  // the first entry, and a number starts afresh
        QTest::keyClicks(list, c.typed);
        EXPECT_EQ(list->currentText(), c.picked) << c.list << " typed " << c.typed;
    }
    // Digits 0.6 s apart make one number; after a second's pause a digit starts a new one.
    QComboBox* minute = OnForm<QComboBox>("cboMinute");
    QTest::keyClick(minute, Qt::Key_2);
    QTest::keyClick(minute, Qt::Key_0, Qt::NoModifier, 600);
    EXPECT_EQ(minute->currentText(), "20");
    QTest::keyClick(minute, Qt::Key_0, Qt::NoModifier, 1100);
    EXPECT_EQ(minute->currentText(), "0");
}

// Each row fills every field before it, leaving the one under test empty.
TEST_F(EntryFormTest, ValidationRunsTheEmptyFieldTestsInOrder) {
    const struct {
        const char* field;
        const char* value;
        const char* message;
    } steps[] = {
        {"txtName", "Asha", "Please Enter Your Name"},
        {"txtLatDeg", "28", "Please Enter Degree of Latitude"},
        {"txtLatMin", "39", "Please Enter Minutes of Latitude"},
        {"txtLonDeg", "77", "Please Enter Degree of Longitude"},
        {"txtLonMin", "13", "Please Enter Minute of Longitude"},
        {"txtCity", "New Delhi", "Please Enter Your City name"},
        {"txtState", "Delhi", "Please Enter Your State name"},
        {"txtCountry", "India", "Please Enter Your Country name"},
    };
    for (const auto& step : steps) {
        messages.messages.clear();
        EXPECT_FALSE(session.EntryForm().ValidateInput());
        EXPECT_EQ(messages.messages, QStringList{step.message});
        EXPECT_TRUE(OnForm<QLineEdit>(step.field)->hasFocus()) << step.field;
        Type(step.field, step.value);
    }
    messages.messages.clear();
    EXPECT_TRUE(session.EntryForm().ValidateInput());
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(EntryFormTest, ValidationChecksTheCalendar) {
    EnterDelhi1947();
    const struct {
        const char* day;
        const char* month;
        const char* year;
        const char* message;  // none when the date passes
    } dates[] = {
        {"31", "April", "2000", "Please Enter Correct Date Or Month !"},
        {"31", "November", "1999", "Please Enter Correct Date Or Month !"},
        {"30", "April", "2000", nullptr},
        {"29", "February", "2001", "Please Enter Correct Date Or Month!"},
        {"29", "February", "2000", nullptr},
        {"29", "February", "1900", nullptr},  // every fourth year counts as a leap year
        {"30", "February", "2000", "Please Enter Correct Date Or Month!"},
        {"31", "January", "2001", nullptr},
    };
    for (const auto& date : dates) {
        Pick("cboDate", date.day);
        Pick("cboMonth", date.month);
        Pick("cboYear", date.year);
        messages.messages.clear();
        const bool expectedValid = date.message == nullptr;
        EXPECT_EQ(session.EntryForm().ValidateInput(), expectedValid)
            << date.day << " " << date.month << " " << date.year;
        EXPECT_EQ(messages.messages,
                  expectedValid ? QStringList{} : QStringList{date.message});
    }
}

TEST_F(EntryFormTest, TextsOfBlanksAreNotEmpty) {
    EnterDelhi1947();
    Type("txtName", " ");
    EXPECT_TRUE(session.EntryForm().ValidateInput());
    Type("txtName", "");
    EXPECT_FALSE(session.EntryForm().ValidateInput());
}

TEST_F(EntryFormTest, KeyboardReachesEveryControlInOrderAndEachHasAName) {
    const QStringList expectedOrder = {
        "txtName",   "cboDate",   "cboMonth",   "cboYear",     "cboHour",
        "cboMinute", "txtCountry", "txtState",  "txtCity",     "Command1",
        "txtLatDeg", "txtLatMin", "optLat(0)",  "optLat(1)",   "txtLonDeg",
        "txtLonMin", "optLong(0)", "optLong(1)", "cboTimeZone", "chkDST",
        "lblAtlasZone", "optEarlier", "optLater", "cmdSuggestZone",
        "cmdCalculate3", "cmdCalculate2", "cmdCalculate", "lblCobrand", "lblFullBrand",
        "Label1"};
    QStringList order;
    QWidget* widget = OnForm<QWidget>("txtName");
    do {
        if (widget->focusPolicy() & Qt::TabFocus) order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget && widget->objectName() != "txtName");
    EXPECT_EQ(order, expectedOrder);

    for (const QString& name : expectedOrder) {
        auto* control = OnForm<QWidget>(name);
        const auto* button = qobject_cast<QAbstractButton*>(control);
        const QString spoken = button ? button->text() : control->accessibleName();
        EXPECT_FALSE(spoken.isEmpty()) << name.toStdString() << " has no accessible name";
    }
    EXPECT_EQ(OnForm<QLineEdit>("txtLatDeg")->accessibleName(), "Latitude: Degrees");
}

}  // namespace
}  // namespace grahavani::test
