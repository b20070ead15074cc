#include "desktop/files/chart_print.h"

#include <algorithm>

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

namespace grahavani {

std::optional<QString> PrintOnOnePage(QWidget& widget, QPrinter& printer) {
    // At the screen's resolution the fonts come out at the size the layout was made
    // for; the page stays vector output, so nothing is lost in sharpness.
    printer.setResolution(widget.logicalDpiX());
    QPainter painter;
    if (!painter.begin(&printer)) return QCoreApplication::translate("ChartPrint", "The printer could not be started");
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    const QSizeF size = widget.size();
    const qreal scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.translate((page.width() - size.width() * scale) / 2,
                      (page.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    widget.render(&painter);
    if (!painter.end()) return QCoreApplication::translate("ChartPrint", "The page could not be finished");
    return std::nullopt;
}

}  // namespace grahavani
