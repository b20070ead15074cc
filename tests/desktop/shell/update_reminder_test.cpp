#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "desktop/shell/reminder_setting.h"
#include "desktop/shell/update_reminder.h"
#include "desktop/shell/vendor_pages.h"
#include "tests/desktop/shell/recording_opener.h"
#include "tests/desktop/ui/recording_sink.h"

namespace grahavani::test {
namespace {

const QDate Today(2026, 12, 9);
const QString Question =
    "There maybe an update to this software available\nDo you want to check for an update?";

TEST(UpdateReminderRule, RemindsOnlyMoreThanFourteenDaysEitherSide) {
    const struct {
        QString stored;
        ReminderAction expected;
        const char* why;
    } cases[] = {
        {"", ReminderAction::StoreToday, "first start"},
        {"2026-12-09", ReminderAction::None, "reminded today"},
        {"2026-11-29", ReminderAction::None, "10 days ago"},
        {"2026-11-25", ReminderAction::None, "14 days ago"},
        {"2026-11-24", ReminderAction::Remind, "15 days ago"},
        {"2026-11-19", ReminderAction::Remind, "20 days ago"},
        {"2025-06-01", ReminderAction::Remind, "over a year ago"},
        {"2026-12-23", ReminderAction::None, "14 days ahead"},
        {"2026-12-29", ReminderAction::Remind, "20 days ahead: the clock was set back"},
        {"09/12/2026", ReminderAction::None, "not a date we write"},
        {"2026-02-30", ReminderAction::None, "no such day"},
        {"\x01garbage", ReminderAction::None, "unreadable"},
    };
    for (const auto& check : cases) {
        EXPECT_EQ(NextReminderAction(check.stored, Today), check.expected) << check.why;
    }
}

class UpdateReminderTest : public ::testing::Test {
protected:
    void StartOn(const QDate& day) { UpdateReminder(settings, day, messages, opener); }
    QString Stored() const { return ReadReminderDate(settings); }

    QTemporaryDir folder;
    const QString path = folder.filePath("grahavani.ini");
    QSettings settings{path, QSettings::IniFormat};
    RecordingSink messages;
    RecordingOpener opener;
};

TEST_F(UpdateReminderTest, FirstStartStoresTodayWithoutAsking) {
    StartOn(Today);
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_EQ(Stored(), "2026-12-09");
}

TEST_F(UpdateReminderTest, AnswerYesOpensTheDownloadPageAndStoresToday) {
    WriteReminderDate(settings, Today.addDays(-20));
    messages.answer = true;
    StartOn(Today);
    EXPECT_EQ(messages.questions, QStringList{Question});
    EXPECT_EQ(opener.addresses,
              QStringList{VendorPageAddress(VendorPage::DownloadWebPage).toString()});
    EXPECT_EQ(Stored(), "2026-12-09");
}

TEST_F(UpdateReminderTest, AnswerNoStillStoresTodaySoTheNextReminderIsFifteenDaysOn) {
    WriteReminderDate(settings, Today.addDays(-20));
    messages.answer = false;
    StartOn(Today);
    EXPECT_EQ(messages.questions.size(), 1);
    EXPECT_TRUE(opener.addresses.isEmpty());
    EXPECT_EQ(Stored(), "2026-12-09");

    StartOn(Today);
    StartOn(Today.addDays(14));
    EXPECT_EQ(messages.questions.size(), 1);
    StartOn(Today.addDays(15));
    EXPECT_EQ(messages.questions.size(), 2);
}

TEST_F(UpdateReminderTest, UnreadableStoredValueIsLeftAloneAndNeverAsks) {
    settings.setValue(ReminderSettingKey(), QByteArray("\xff\xfe not a date", 14));
    for (int day : {0, 20, 400}) StartOn(Today.addDays(day));
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_EQ(settings.value(ReminderSettingKey()).toByteArray(),
              QByteArray("\xff\xfe not a date", 14));
}

TEST_F(UpdateReminderTest, KeyAndValueLookScrambledInTheFileAndReadBackExactly) {
    StartOn(Today);
    settings.sync();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.startsWith("[Settings]")) << content.toStdString();
    EXPECT_FALSE(content.contains("Duration")) << content.toStdString();
    EXPECT_FALSE(content.contains("2026")) << content.toStdString();

    const QSettings reopened(path, QSettings::IniFormat);
    EXPECT_EQ(ReadReminderDate(reopened), "2026-12-09");
    EXPECT_EQ(reopened.value(ReminderSettingKey()).toByteArray(), EncodeReminderDate(Today));
}

}  // namespace
}  // namespace grahavani::test
