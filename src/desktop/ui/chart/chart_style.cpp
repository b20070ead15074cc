#include "desktop/ui/chart/chart_style.h"

#include <QCoreApplication>

namespace grahavani {

QString ChartStyleName(ChartStyle style) {
    switch (style) {
    case ChartStyle::North: return QCoreApplication::translate("ChartStyle", "North Indian Style");
    case ChartStyle::South: return QCoreApplication::translate("ChartStyle", "South Indian Style");
    case ChartStyle::East: return QCoreApplication::translate("ChartStyle", "East Indian Style");
    }
    return {};
}

}  // namespace grahavani
