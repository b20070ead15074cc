#pragma once
// Reading and writing a file as one piece. A write goes to a temporary file beside
// the target and replaces it only when complete, so a failure leaves the old file
// whole. Each returns the reason of a failure, or nothing.

#include <optional>
#include <string_view>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QFileDevice;

namespace grahavani {

std::optional<QString> WriteWholeFile(const QString& path, std::string_view bytes);

// Writes the bytes to an open file and makes sure all of them reached it.
std::optional<QString> WriteAllBytes(QFileDevice& file, QByteArrayView bytes);

// At most `limit` bytes from the start of an ordinary file: a device or a pipe could
// go on for ever.
std::optional<QString> ReadFileStart(const QString& path, qint64 limit, QByteArray& bytes);

// The text of the message that a file could not be read or written.
QString FileProblemMessage(const QString& failure, const QString& path, const QString& reason);

}  // namespace grahavani
