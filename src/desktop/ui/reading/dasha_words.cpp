#include "desktop/ui/reading/dasha_words.h"

#include <QCoreApplication>

#include "desktop/ui/reading/display_text.h"
#include "timing/timing_names_in.h"
#include "desktop/ui/language/desktop_translator.h"

namespace grahavani {

namespace {

// "1 year", "0 months".
QString Count(int count, const char* singular, const char* plural) {
    return QCoreApplication::translate("DashaWords", count == 1 ? singular : plural).arg(count);
}

}  // namespace

QString DashaRulerWords(DashaSystem system, std::uint8_t ruler) {
    const DashaRuler& entry = DashaRulers(system)[ruler];
    const Language language = DesktopLanguage();
    const QString lord = DisplayText(TimingNameIn(TimingNames::DashaLords, entry.Lord, language));
    if (entry.Yogini.empty()) return lord;
    return QStringLiteral("%1 (%2)").arg(DisplayText(TimingNameIn(TimingNames::Yoginis, entry.Yogini, language)), lord);
}

QString DashaBalanceWords(const DashaTimeline& timeline) {
    const DashaBalance& balance = timeline.Balance;
    const QString period = timeline.System == DashaSystem::Yogini
                               ? QCoreApplication::translate("DashaWords", "yogini dasha")
                               : QCoreApplication::translate("DashaWords", "mahadasha");
    const QString years = Count(balance.Years, QT_TRANSLATE_NOOP("DashaWords", "%1 year"),
                                QT_TRANSLATE_NOOP("DashaWords", "%1 years"));
    const QString months = Count(balance.Months, QT_TRANSLATE_NOOP("DashaWords", "%1 month"),
                                 QT_TRANSLATE_NOOP("DashaWords", "%1 months"));
    const QString days = Count(balance.Days, QT_TRANSLATE_NOOP("DashaWords", "%1 day"),
                               QT_TRANSLATE_NOOP("DashaWords", "%1 days"));
    //: The ruler, the period's kind, then its years, months and days: "Balance of Rahu mahadasha
    //: at birth: 2 years 3 months 10 days".
    return QCoreApplication::translate("DashaWords", "Balance of %1 %2 at birth: %3 %4 %5")
        .arg(DashaRulerWords(timeline.System, balance.Ruler), period, years, months, days);
}

}  // namespace grahavani
