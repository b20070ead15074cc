#include "output/bmp_to_jpeg.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryFile>

#include "output/whole_file.h"

namespace grahavani {

std::optional<QString> BmpToJpeg(const QString& bmp, const QString& jpg, int quality) {
    QImageReader reader(bmp, "bmp");
    const QImage image = reader.read();
    if (image.isNull()) return reader.errorString();

    QByteArray jpeg;
    QBuffer encoded(&jpeg);
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(image)) return writer.errorString();

    QTemporaryFile partial(jpg + ".XXXXXX");
    if (!partial.open()) return partial.errorString();
    if (auto problem = WriteAllBytes(partial, jpeg)) return problem;
    partial.close();
    // Unlike a save file's commit, this rename refuses to replace an existing file.
    if (!partial.rename(jpg)) return partial.errorString();
    partial.setAutoRemove(false);
    return std::nullopt;
}

}  // namespace grahavani
