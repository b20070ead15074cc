#pragma once
// The reminder at start-up, every fifteen days, to look for a newer version on the
// vendor's site. Nothing is fetched: the user is asked and the download page opened.

#include <QDate>
#include <QString>

class QSettings;

namespace grahavani {

class MessageSink;
class UrlOpener;

enum class ReminderAction {
    StoreToday,  // the first start
    Remind,      // more than 14 days either side of today
    None,        // reminded lately, or the stored date cannot be read
};

ReminderAction NextReminderAction(const QString& storedDate, const QDate& today);

void UpdateReminder(QSettings& settings, const QDate& today, MessageSink& messages,
                    UrlOpener& opener);

}  // namespace grahavani
