#include "desktop/ui/reading/dasha_words.h"

#include "desktop/ui/reading/display_text.h"

namespace grahavani {

namespace {

// "1 year", "0 months".
QString Count(int count, const char* singular, const char* plural) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? singular : plural));
}

}  // namespace

QString DashaRulerWords(DashaSystem system, std::uint8_t ruler) {
    const DashaRuler& entry = DashaRulers(system)[ruler];
    if (entry.Yogini.empty()) return DisplayText(entry.Lord);
    return QStringLiteral("%1 (%2)").arg(DisplayText(entry.Yogini), DisplayText(entry.Lord));
}

QString DashaBalanceWords(const DashaTimeline& timeline) {
    const DashaBalance& balance = timeline.Balance;
    const QString period = timeline.System == DashaSystem::Yogini ? QStringLiteral("yogini dasha")
                                                                  : QStringLiteral("mahadasha");
    return QStringLiteral("Balance of %1 %2 at birth: %3 %4 %5")
        .arg(DashaRulerWords(timeline.System, balance.Ruler), period,
             Count(balance.Years, "year", "years"), Count(balance.Months, "month", "months"),
             Count(balance.Days, "day", "days"));
}

}  // namespace grahavani
