#pragma once
// The one settings entry of the program: the date of the last update reminder.
//
// Key and value pass through EncodeText, so neither reads as what it is in the
// settings file. The value is kept as bytes because the encoded form is not text.

#include <QByteArray>
#include <QDate>
#include <QString>

class QSettings;

namespace grahavani {

// "Duration" in section "Settings", encoded.
QString ReminderSettingKey();
// An ISO date: a stored date must read back the same under any locale.
QByteArray EncodeReminderDate(const QDate& date);
// The decoded text, empty when nothing is stored.
QString DecodeReminderValue(const QByteArray& stored);

QString ReadReminderDate(const QSettings& settings);
void WriteReminderDate(QSettings& settings, const QDate& date);

}  // namespace grahavani
