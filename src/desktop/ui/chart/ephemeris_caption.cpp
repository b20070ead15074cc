#include "desktop/ui/chart/ephemeris_caption.h"

#include "desktop/ui/chart/chart_choice_words.h"

namespace grahavani {

QString EphemerisCaption(const ChartResult& chart, const ChartOptions& options) {
    if (chart.ComputedBy == Engine::Classic) return QStringLiteral("Classic ephemeris");
    const QString engine = chart.Ephemeris == "Moshier" ? QStringLiteral("Precise ephemeris (Moshier)")
                                                        : QStringLiteral("Precise ephemeris");
    if (options.ayanamsa == Ayanamsa::OwnValue) {
        return engine + QStringLiteral(", own ayanamsa ") + DegreesMinutesSeconds(options.ayanamsaValue);
    }
    return engine + QStringLiteral(", ") + AyanamsaShortWords(options.ayanamsa) +
           QStringLiteral(" ayanamsa");
}

}  // namespace grahavani
