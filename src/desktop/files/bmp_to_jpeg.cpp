#include "desktop/files/bmp_to_jpeg.h"

#include <sys/stat.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryFile>

#include "desktop/files/whole_file.h"

namespace grahavani {

namespace {

// The process's umask, read without setting it: umask(2) can only be read by
// replacing it, which would leave other threads creating files under a wrong one.
mode_t CurrentUmask() {
    constexpr mode_t Usual = S_IWGRP | S_IWOTH;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return Usual;
    // A file of /proc reports no size, so it is read whole rather than up to its end.
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (!line.startsWith("Umask:")) continue;
        bool valid = false;
        const uint mask = line.mid(6).trimmed().toUInt(&valid, 8);
        return valid ? static_cast<mode_t>(mask & 0777) : Usual;
    }
    return Usual;
}

// What a newly created file gets: read and write for all, less the user's umask.
QFileDevice::Permissions OrdinaryFilePermissions() {
    const mode_t mask = CurrentUmask();
    const struct {
        mode_t bit;
        QFileDevice::Permission permission;
    } bits[] = {{S_IRUSR, QFileDevice::ReadOwner}, {S_IWUSR, QFileDevice::WriteOwner},
                {S_IRGRP, QFileDevice::ReadGroup}, {S_IWGRP, QFileDevice::WriteGroup},
                {S_IROTH, QFileDevice::ReadOther}, {S_IWOTH, QFileDevice::WriteOther}};
    QFileDevice::Permissions permissions;
    for (const auto& bit : bits) {
        if (!(mask & bit.bit)) permissions |= bit.permission;
    }
    // Qt keeps the owner's and the user's bits apart; on Linux they are the same.
    if (permissions & QFileDevice::ReadOwner) permissions |= QFileDevice::ReadUser;
    if (permissions & QFileDevice::WriteOwner) permissions |= QFileDevice::WriteUser;
    return permissions;
}

}  // namespace

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
    // A temporary file is private to its owner; the picture is an ordinary file.
    partial.setPermissions(OrdinaryFilePermissions());
    return std::nullopt;
}

}  // namespace grahavani
