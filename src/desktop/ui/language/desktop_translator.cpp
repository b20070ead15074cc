#include "desktop/ui/language/desktop_translator.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

namespace grahavani {

namespace {

Language installedLanguage = Language::English;

}  // namespace

bool InstallDesktopTranslator(Language language) {
    // One for the program's life: the application keeps only a pointer to it.
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    installedLanguage = Language::English;
    if (language == Language::English) return true;
    const QString code = QString::fromLatin1(LanguageCode(language).data(), LanguageCode(language).size());
    if (!translator.load(QStringLiteral(":/i18n/grahavani_%1.qm").arg(code)) ||
        !QCoreApplication::installTranslator(&translator)) {
        return false;
    }
    installedLanguage = language;
    return true;
}

Language DesktopLanguage() { return installedLanguage; }

}  // namespace grahavani
