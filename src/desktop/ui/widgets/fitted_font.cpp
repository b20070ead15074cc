#include "desktop/ui/widgets/fitted_font.h"

#include <QFontMetricsF>

namespace grahavani {

void FitFontToWidth(QWidget& widget, const QString& text, double pointSize, int marginPixels) {
    QFont font = widget.font();
    const double room = widget.width() - marginPixels;
    const double smallest = pointSize * 2 / 3;
    for (double size = pointSize;; size -= 0.25) {
        font.setPointSizeF(size);
        if (size - 0.25 < smallest || QFontMetricsF(font, &widget).horizontalAdvance(text) <= room) break;
    }
    widget.setFont(font);
}

}  // namespace grahavani
