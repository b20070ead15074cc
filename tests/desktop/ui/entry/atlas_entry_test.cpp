#include <QAbstractItemView>
#include <QCheckBox>
#include <QCompleter>
#include <QLabel>
#include <QRadioButton>

#include "model/reference_tables.h"
#include "tests/desktop/ui/session_fixture.h"

namespace grahavani::test {
namespace {

using AtlasEntryTest = SessionTest;

// Coordinates are the atlas's rounded to whole minutes (Kolkata 22.56263, 88.36304; New York
// 40.71427, -74.00597; London 51.50853, -0.12574; Kathmandu 27.70169, 85.3206); zones as the tz
// database keeps them.
TEST_F(AtlasEntryTest, ChoosingATypedCityFillsThePlaceAndItsZone) {
    const struct {
        const char* typed;
        const char* year;
        const char* month;
        const char* popupRowStart;
        const char* fields[5];  // City, State, Country, latitude, longitude
        bool south, east;
        const char* zoneRow;
        bool daylightSaving;
        const char* atlasLine;
    } cases[] = {
        {"Kolk", "1943", "August", "Kolkata, State of West Bengal, India — 4,631,392", {"Kolkata", "State of West Bengal", "India", "22 34", "88 22"},
         false, true, "Indian Time, IST, +5.3", true, "Asia/Kolkata on 15 Aug 1943: +6:30, war time"},
        {"new york", "1990", "July", "New York, New York, United States of America — ",
         {"New York", "New York", "United States of America", "40 43", "74 0"}, false, false,
         "Eastern Standard Time,EST,-5.0", true, "America/New_York on 15 Jul 1990: -4:00, EDT"},
        {"London", "1970", "July", "London, England, United Kingdom — ", {"London", "England", "United Kingdom", "51 31", "0 8"},
         false, false, "British Summer Time,BST,+1.0", false, "Europe/London on 15 Jul 1970: +1:00, BST"},
        {"Kathm", "2000", "July", "Kathmandu, ", {"Kathmandu", nullptr, "Nepal", "27 42", "85 19"}, false, true,
         "Kathmandu 2000, standard time, +5:45", false, "Asia/Kathmandu on 15 Jul 2000: +5:45, standard time"},
    };
    for (const auto& c : cases) {
        Pick("cboDate", "15");
        Pick("cboMonth", c.month);
        Pick("cboYear", c.year);
        Pick("cboHour", "12");
        QLineEdit* city = OnForm<QLineEdit>("txtCity");
        city->clear();
        city->setFocus();
        QTest::keyClicks(city, c.typed);
        QAbstractItemView* popup = city->completer()->popup();
        ASSERT_TRUE(popup->isVisible()) << c.typed;
        EXPECT_TRUE(popup->model()->index(0, 0).data().toString().startsWith(QString::fromUtf8(c.popupRowStart)))
            << popup->model()->index(0, 0).data().toString().toStdString();
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);

        const char* boxes[] = {"txtCity", "txtState", "txtCountry"};
        for (int i = 0; i < 3; ++i) {
            if (c.fields[i]) {
                EXPECT_EQ(OnForm<QLineEdit>(boxes[i])->text().toStdString(), c.fields[i]) << c.typed;
            }
        }
        EXPECT_EQ((OnForm<QLineEdit>("txtLatDeg")->text() + " " + OnForm<QLineEdit>("txtLatMin")->text()).toStdString(),
                  c.fields[3]);
        EXPECT_EQ((OnForm<QLineEdit>("txtLonDeg")->text() + " " + OnForm<QLineEdit>("txtLonMin")->text()).toStdString(),
                  c.fields[4]);
        EXPECT_EQ(OnForm<QRadioButton>("optLat(1)")->isChecked(), c.south) << c.typed;
        EXPECT_EQ(OnForm<QRadioButton>("optLong(0)")->isChecked(), c.east) << c.typed;
        EXPECT_EQ(OnForm<QComboBox>("cboTimeZone")->currentText().toStdString(), c.zoneRow) << c.typed;
        EXPECT_EQ(OnForm<QCheckBox>("chkDST")->isChecked(), c.daylightSaving) << c.typed;
        EXPECT_EQ(OnForm<QLabel>("lblAtlasZone")->text().toStdString(), c.atlasLine) << c.typed;
    }
    // One extra row at most, and the entries carry its exact offset for a calculation.
    EXPECT_EQ(OnForm<QComboBox>("cboTimeZone")->count(), static_cast<int>(TimeZoneCount) + 1);
    const BirthEntries entries = session.EntryForm().Entries();
    EXPECT_EQ(entries.TimeZoneRow, TimeZoneCount);
    ASSERT_TRUE(entries.ExtraZone);
    EXPECT_EQ(entries.ExtraZone->OffsetSeconds, 5 * 3600 + 45 * 60);
    EXPECT_EQ(ToBirthRecord(entries).ZoneMinutes, 45);
}

TEST_F(AtlasEntryTest, DateChangesFollowThePlaceUntilItIsTypedOver) {
    Pick("cboYear", "1990");
    ChooseFromAtlas("Kolk");
    EXPECT_FALSE(OnForm<QCheckBox>("chkDST")->isChecked());
    Pick("cboYear", "1943");
    EXPECT_TRUE(OnForm<QCheckBox>("chkDST")->isChecked()) << "war time from the new year";

    QTest::keyClicks(OnForm<QLineEdit>("txtLonMin"), "1");  // typed by hand: the atlas lets go
    Pick("cboYear", "1990");
    EXPECT_TRUE(OnForm<QCheckBox>("chkDST")->isChecked());
    EXPECT_FALSE(OnForm<QLabel>("lblAtlasZone")->isVisibleTo(&session.EntryForm()));
}

// Each step changes the form and calculates: the question comes once per typed-over city, and not
// at all once the coordinates are typed by hand.
TEST_F(AtlasEntryTest, ACityTypedOverAsksOnceBeforeUsingTheChosenPlacesCoordinates) {
    EnterDelhi1947();
    ChooseFromAtlas("Chennai");
    const char* staleLine =
        "Coordinates are those of Chennai, Tamil Nadu, India: choose a place from the list or type the coordinates";
    const struct {
        const char* city;       // typed over the City box, or null
        const char* longitude;  // minutes typed by hand, or null
        bool goOn;
        int questions;
        bool charted;
        const char* atlasLine;
    } steps[] = {
        {"Madurai", nullptr, false, 1, false, staleLine},
        {nullptr, nullptr, false, 1, true, staleLine},
        {"Madurai East", nullptr, true, 2, true, staleLine},
        {"Chennai", nullptr, false, 2, true, "Asia/Kolkata on 15 Aug 1947: +5:30, IST"},
        {"Madurai", "7", false, 2, true, ""},
    };
    for (const auto& step : steps) {
        if (session.MainWindow()) session.Back();
        if (step.city) Type("txtCity", step.city);
        if (step.longitude) Type("txtLonMin", step.longitude);
        EXPECT_EQ(OnForm<QLabel>("lblAtlasZone")->text(), QString::fromUtf8(step.atlasLine)) << step.city;
        messages.answer = step.goOn;
        Click("cmdCalculate");
        ASSERT_EQ(messages.questions.size(), step.questions) << step.city;
        EXPECT_EQ(session.MainWindow() != nullptr, step.charted) << step.city;
        if (!step.charted) {
            EXPECT_TRUE(OnForm<QLineEdit>("txtCity")->hasFocus());
        }
    }
    EXPECT_EQ(messages.questions.first(),
              "The City box says \"Madurai\", but the latitude and longitude are those of Chennai, Tamil Nadu, "
              "India, chosen from the atlas.\n\nCalculate the chart with them?");
    EXPECT_EQ(session.Birth().City, "Madurai");
}

TEST_F(AtlasEntryTest, TypedEntriesKeepTheOldZoneAndSuggestZoneUsesTheNearestPlace) {
    EnterDelhi1947();
    BirthEntries entries = session.EntryForm().Entries();
    EXPECT_EQ(entries.TimeZoneRow, 34u);
    EXPECT_FALSE(entries.ExtraZone);
    EXPECT_FALSE(entries.ZoneOffsetSeconds);
    EXPECT_EQ(OnForm<QComboBox>("cboTimeZone")->count(), static_cast<int>(TimeZoneCount));

    Type("txtCountry", "Atlantis");
    Click("cmdSuggestZone");
    EXPECT_EQ(messages.messages, QStringList{"The atlas has no place in \"Atlantis\" to suggest a zone from."});
    Type("txtCountry", "India");
    Click("cmdSuggestZone");
    EXPECT_EQ(OnForm<QLineEdit>("txtCity")->text(), "New Delhi") << "typed place names stay";
    EXPECT_TRUE(OnForm<QLabel>("lblAtlasZone")->text().endsWith("Asia/Kolkata on 15 Aug 1947: +5:30, IST"));
    entries = session.EntryForm().Entries();
    EXPECT_EQ(entries.TimeZoneRow, 34u);
    EXPECT_EQ(entries.ZoneOffsetSeconds, 5 * 3600 + 30 * 60);
}

}  // namespace
}  // namespace grahavani::test
