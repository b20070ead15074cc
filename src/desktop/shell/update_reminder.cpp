#include "desktop/shell/update_reminder.h"

#include <QCoreApplication>
#include <QSettings>

#include "desktop/shell/reminder_setting.h"
#include "desktop/shell/vendor_pages.h"
#include "desktop/ui/widgets/message_sink.h"

namespace grahavani {

namespace {
constexpr qint64 QuietDays = 14;
}  // namespace

ReminderAction NextReminderAction(const QString& storedDate, const QDate& today) {
    if (storedDate.isEmpty()) return ReminderAction::StoreToday;
    const QDate lastReminded = QDate::fromString(storedDate, Qt::ISODate);
    if (!lastReminded.isValid()) return ReminderAction::None;
    // A date far ahead means the clock was set back: remind then too.
    const qint64 days = today.daysTo(lastReminded);
    return days < -QuietDays || days > QuietDays ? ReminderAction::Remind : ReminderAction::None;
}

void UpdateReminder(QSettings& settings, const QDate& today, MessageSink& messages,
                    UrlOpener& opener) {
    switch (NextReminderAction(ReadReminderDate(settings), today)) {
    case ReminderAction::None: return;
    case ReminderAction::StoreToday: WriteReminderDate(settings, today); return;
    case ReminderAction::Remind: break;
    }
    const bool wantsUpdate = messages.AskYesNo(
        nullptr, QCoreApplication::translate("UpdateReminder",
                                             "There maybe an update to this software available\n"
                                             "Do you want to check for an update?"));
    WriteReminderDate(settings, today);
    if (wantsUpdate) OpenVendorPage(opener, VendorPage::DownloadWebPage);
}

}  // namespace grahavani
