#include "desktop/ui/chart/toolbar_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resources live in a static library, so they are registered by hand.
static void RegisterToolbarResources() { Q_INIT_RESOURCE(toolbar); }

namespace grahavani {

namespace {

constexpr QSize IconSize(16, 15);

QPixmap RenderAt(QSvgRenderer& renderer, qreal scale) {
    QPixmap pixmap(IconSize * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(IconSize)));
    return pixmap;
}

}  // namespace

QIcon ToolbarIcon(const QString& key) {
    static const bool registered = (RegisterToolbarResources(), true);
    (void)registered;
    QSvgRenderer renderer(QStringLiteral(":/toolbar/%1.svg").arg(key.toLower()));
    QIcon icon;
    // Drawn at both scales so the pictures stay sharp on high-DPI screens.
    for (qreal scale : {1.0, 2.0}) icon.addPixmap(RenderAt(renderer, scale));
    return icon;
}

}  // namespace grahavani
