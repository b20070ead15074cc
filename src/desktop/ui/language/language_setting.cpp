#include "desktop/ui/language/language_setting.h"

#include <QSettings>

namespace grahavani {

namespace {

const QString LanguageKey = QStringLiteral("View/Language");

}  // namespace

std::string ReadLanguageSetting(const QSettings& settings) {
    return settings.value(LanguageKey).toString().toStdString();
}

void WriteLanguageSetting(QSettings& settings, Language language) {
    const std::string_view code = LanguageCode(language);
    settings.setValue(LanguageKey, QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())));
}

}  // namespace grahavani
