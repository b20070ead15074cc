#include "desktop/files/whole_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace grahavani {

std::optional<QString> WriteWholeFile(const QString& path, std::string_view bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (auto problem = WriteAllBytes(file, QByteArrayView(bytes.data(), bytes.size()))) {
        file.cancelWriting();
        return problem;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

std::optional<QString> WriteAllBytes(QFileDevice& file, QByteArrayView bytes) {
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        return file.errorString();
    }
    // Qt takes a short write for success when it flushes, as on a full disk: count
    // what the file holds.
    if (file.size() != bytes.size()) {
        return QCoreApplication::translate("WholeFile", "Only %1 of %2 bytes could be written: the disk may be full")
            .arg(file.size())
            .arg(bytes.size());
    }
    return std::nullopt;
}

std::optional<QString> ReadFileStart(const QString& path, qint64 limit, QByteArray& bytes) {
    // Opened first and checked after, so nothing can be swapped in between; opening a
    // pipe without a writer would block without O_NONBLOCK, which an ordinary file ignores.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ENOENT) return QCoreApplication::translate("WholeFile", "No such file");
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return QCoreApplication::translate("WholeFile", "Not an ordinary file");
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return file.errorString();
    }
    QByteArray start = file.read(limit);
    if (file.error() != QFileDevice::NoError) return file.errorString();
    bytes = std::move(start);
    return std::nullopt;
}

QString FileProblemMessage(const QString& failure, const QString& path, const QString& reason) {
    return QStringLiteral("%1\n%2\n\n%3").arg(failure, path, reason);
}

}  // namespace grahavani
