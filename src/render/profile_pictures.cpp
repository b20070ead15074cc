#include "render/profile_pictures.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QSvgRenderer>

#include "interpretation/picture_keys.h"
#include "render/fonts.h"

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

// The widest a name may run across the 200-unit picture before it is squeezed.
constexpr double LetteringRoom = 184;

// The picture's SVG with its lettered name, if it has one, replaced by `lettering`.
QByteArray PictureSvg(const QString& path, const QString& lettering) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray svg = file.readAll();
    if (lettering.isEmpty()) return svg;
    static const QRegularExpression name(QStringLiteral(R"re(<text transform="translate\(100,([0-9.]+)\)[^>]*>[^<]*</text>)re"));
    QString text = QString::fromUtf8(svg);
    const QRegularExpressionMatch found = name.match(text);
    if (!found.hasMatch()) return svg;
    // In the program's own font, whose substitutes the scripts are drawn in.
    QFont font = VerdanaFont(18, true);
    font.setPixelSize(24);
    const double width = QFontMetricsF(font).horizontalAdvance(lettering);
    const double squeeze = width > LetteringRoom ? LetteringRoom / width : 1.0;
    text.replace(found.capturedStart(), found.capturedLength(),
                 QStringLiteral(R"svg(<text transform="translate(100,%1) scale(%2,1)" x="0" y="0" text-anchor="middle" )svg"
                                R"svg(font-family="%3" font-weight="bold" font-size="24" fill="url(#tg)" )svg"
                                R"svg(stroke="#3a1204" stroke-width="0.7">%4</text>)svg")
                     .arg(found.captured(1))
                     .arg(squeeze, 0, 'f', 3)
                     .arg(font.family(), lettering.toHtmlEscaped()));
    return text.toUtf8();
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

bool PaintPicture(QPainter& painter, const QString& path, const QRectF& box, const QString& lettering) {
    if (path.isEmpty()) return false;
    QSvgRenderer renderer(PictureSvg(path, lettering));
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
