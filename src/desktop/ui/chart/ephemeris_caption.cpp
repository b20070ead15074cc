#include "desktop/ui/chart/ephemeris_caption.h"

#include <QCoreApplication>

#include "desktop/ui/chart/chart_choice_words.h"

namespace grahavani {

QString EphemerisCaption(const ChartResult& chart, const ChartOptions& options) {
    const auto translated = [](const char* text) {
        return QCoreApplication::translate("EphemerisCaption", text);
    };
    if (chart.ComputedBy == Engine::Classic) {
        return translated(QT_TRANSLATE_NOOP("EphemerisCaption", "Classic ephemeris"));
    }
    const QString engine = chart.Ephemeris == "Moshier"
                               ? translated(QT_TRANSLATE_NOOP("EphemerisCaption", "Precise ephemeris (Moshier)"))
                               : translated(QT_TRANSLATE_NOOP("EphemerisCaption", "Precise ephemeris"));
    if (options.ayanamsa == Ayanamsa::OwnValue) {
        //: The engine, then the reader's own ayanamsa in degrees, minutes and seconds.
        return translated(QT_TRANSLATE_NOOP("EphemerisCaption", "%1, own ayanamsa %2"))
            .arg(engine, DegreesMinutesSeconds(options.ayanamsaValue));
    }
    //: The engine, then the ayanamsa's short name: "Precise ephemeris, Raman ayanamsa".
    return translated(QT_TRANSLATE_NOOP("EphemerisCaption", "%1, %2 ayanamsa"))
        .arg(engine, AyanamsaShortWords(options.ayanamsa));
}

}  // namespace grahavani
