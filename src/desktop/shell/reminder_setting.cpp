#include "desktop/shell/reminder_setting.h"

#include <QSettings>

#include "formats/text_codec.h"

namespace grahavani {

QString ReminderSettingKey() {
    // Every encoded byte is a Latin-1 character, so the key round-trips exactly.
    return "Settings/" + QString::fromLatin1(EncodeText("Duration"));
}

QByteArray EncodeReminderDate(const QDate& date) {
    return QByteArray::fromStdString(EncodeText(date.toString(Qt::ISODate).toStdString()));
}

QString DecodeReminderValue(const QByteArray& stored) {
    return QString::fromStdString(DecodeText(stored.toStdString()));
}

QString ReadReminderDate(const QSettings& settings) {
    return DecodeReminderValue(settings.value(ReminderSettingKey()).toByteArray());
}

void WriteReminderDate(QSettings& settings, const QDate& date) {
    settings.setValue(ReminderSettingKey(), EncodeReminderDate(date));
    settings.sync();
}

}  // namespace grahavani
