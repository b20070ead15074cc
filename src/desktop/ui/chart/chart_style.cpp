#include "desktop/ui/chart/chart_style.h"

namespace grahavani {

QString ChartStyleName(ChartStyle style) {
    switch (style) {
    case ChartStyle::North: return QStringLiteral("North Indian Style");
    case ChartStyle::South: return QStringLiteral("South Indian Style");
    case ChartStyle::East: return QStringLiteral("East Indian Style");
    }
    return {};
}

}  // namespace grahavani
