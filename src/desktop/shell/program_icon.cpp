#include "desktop/shell/program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resource lives in a static library, so it is registered by hand.
static void RegisterIconResource() { Q_INIT_RESOURCE(app_icon); }

namespace grahavani {

QIcon ProgramIcon() {
    static const bool registered = (RegisterIconResource(), true);
    (void)registered;
    // Rendered here rather than through an icon engine plugin that may be missing.
    QSvgRenderer renderer(QStringLiteral(":/grahavani.svg"));
    QIcon icon;
    for (int side : {16, 32, 64, 128}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace grahavani
