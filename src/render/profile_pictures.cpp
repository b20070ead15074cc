#include "render/profile_pictures.h"

#include <QFile>
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

bool PaintPicture(QPainter& painter, const QString& path, const QRectF& box) {
    if (path.isEmpty()) return false;
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return false;
    QSizeF size = renderer.viewBoxF().size();
    if (size.isEmpty()) size = box.size();
    size.scale(box.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(box.center());
    renderer.render(&painter, target);
    return true;
}

}  // namespace grahavani
