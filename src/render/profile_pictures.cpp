#include "desktop/ui/reading/profile_pictures.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "interpretation/picture_keys.h"

// The resources live in a static library, so they are registered by hand.
static void RegisterPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace grahavani {

namespace {

QString FolderOf(ImageList list) {
    switch (list) {
        case ImageList::Nakshatra: return QStringLiteral("nakshatra");
        case ImageList::Lagna: return QStringLiteral("lagna");
        case ImageList::Rashi: return QStringLiteral("rashi");
    }
    return {};
}

}  // namespace

QString PicturePath(ImageList list, std::string_view key) {
    static const bool registered = (RegisterPictureResources(), true);
    (void)registered;
    if (key.empty()) return {};
    const QString path = QStringLiteral(":/pictures/%1/%2.svg")
                             .arg(FolderOf(list), QString::fromStdString(PictureFileStem(key)));
    return QFile::exists(path) ? path : QString();
}

void ShowPicture(QLabel& pictureBox, const QString& path) {
    if (path.isEmpty()) return;
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return;
    // Drawn at the screen's pixel density so the picture stays sharp on high-DPI screens.
    const qreal scale = pictureBox.devicePixelRatioF();
    QPixmap picture(pictureBox.size() * scale);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pictureBox.size())));
    painter.end();
    pictureBox.setPixmap(picture);
}

}  // namespace grahavani
