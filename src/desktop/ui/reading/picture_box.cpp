#include "desktop/ui/reading/picture_box.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "render/profile_pictures.h"

namespace grahavani {

void ShowPicture(QLabel& pictureBox, const QString& path, const QString& lettering) {
    // Drawn at the screen's pixel density so the picture stays sharp on high-DPI screens.
    const qreal scale = pictureBox.devicePixelRatioF();
    QPixmap picture(pictureBox.size() * scale);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const bool drawn = PaintPicture(painter, path, QRectF(QPointF(0, 0), QSizeF(pictureBox.size())), lettering);
    painter.end();
    if (drawn) pictureBox.setPixmap(picture);
}

}  // namespace grahavani
