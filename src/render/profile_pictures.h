#pragma once
// The pictures of the nakshatra, lagna and rashi profiles, kept as SVG files in the
// program's resources: each image list keys its pictures by nakshatra or English sign name.

#include <string_view>

#include <QPainter>
#include <QRectF>
#include <QString>

namespace grahavani {

enum class ImageList { Nakshatra, Lagna, Rashi };

// The resource path of the list's picture with this key, or empty when it has none.
QString PicturePath(ImageList list, std::string_view key);

// Draws the picture as vectors, as large as fits in `box` with its shape kept, centred.
// `lettering` replaces the name lettered across the top of a nakshatra's picture (a reader's
// own script), squeezed to fit as the long English names are; empty keeps the picture's own.
// False, with nothing drawn, where the path holds no picture.
bool PaintPicture(QPainter& painter, const QString& path, const QRectF& box, const QString& lettering = {});

}  // namespace grahavani
