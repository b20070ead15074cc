#include "desktop/ui/chart/ephemeris_caption.h"

namespace grahavani {

QString EphemerisCaption(const ChartResult& chart) {
    if (chart.ComputedBy == Engine::Classic) return QStringLiteral("Classic ephemeris");
    if (chart.Ephemeris == "Moshier") return QStringLiteral("Precise ephemeris (Moshier)");
    return QStringLiteral("Precise ephemeris");
}

}  // namespace grahavani
