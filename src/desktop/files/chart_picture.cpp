#include "desktop/files/chart_picture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryFile>

#include "desktop/files/bmp_to_jpeg.h"
#include "desktop/files/whole_file.h"
#include "desktop/ui/widgets/message_sink.h"

namespace grahavani {

namespace {

constexpr int JpegQuality = 100;
constexpr int MaxCopyNumber = 999;

QString WithCopyNumber(const QString& file, int copy) {
    const qsizetype dot = file.lastIndexOf('.');
    const QString number = QStringLiteral("_%1").arg(copy, 3, 10, QLatin1Char('0'));
    return dot < 0 ? file + number : file.left(dot) + number + file.mid(dot);
}

}  // namespace

void SaveChartPicture(const QImage& picture, const QString& name, MessageSink& messages,
                      QWidget* parent) {
    const qsizetype fileStart = name.lastIndexOf('/') + 1;
    const qsizetype dot = name.indexOf('.', fileStart);
    const QString jpegName = (dot < 0 ? name : name.left(dot)) + ".jpg";
    const QString path = MakeUniqueJpegPath(jpegName.left(fileStart), jpegName.mid(fileStart),
                                            messages, parent);
    if (path.isEmpty()) return;

    const auto report = [&](const QString& reason) {
        const QString failure = QCoreApplication::translate("ChartPicture", "The picture could not be saved to");
        messages.ShowCritical(parent, QCoreApplication::translate("ChartPicture", "Grahavani"),
                              FileProblemMessage(failure, path, reason));
    };
    // A file already named like the bitmap beside the target is left alone: the
    // temporary name is always a new one.
    const QFileInfo target(path);
    QTemporaryFile bitmap(target.path() + '/' + target.completeBaseName() + "_XXXXXX.bmp");
    if (!bitmap.open()) return report(bitmap.errorString());
    QByteArray bmp;
    QBuffer encoded(&bmp);
    encoded.open(QIODevice::WriteOnly);
    if (!picture.save(&encoded, "BMP")) {
        return report(QCoreApplication::translate("ChartPicture", "The picture could not be made a bitmap"));
    }
    if (const auto problem = WriteAllBytes(bitmap, bmp)) return report(*problem);
    bitmap.close();
    if (const auto problem = BmpToJpeg(bitmap.fileName(), path, JpegQuality)) report(*problem);
}

QString MakeUniqueJpegPath(QString folder, const QString& file, MessageSink& messages,
                           QWidget* parent) {
    if (!folder.isEmpty() && !folder.endsWith('/')) folder += '/';
    const bool networkPath = folder.startsWith("//");
    folder.replace(QRegularExpression("/{2,}"), "/");
    if (networkPath) folder.prepend('/');

    if (!PathExists(folder + file)) return folder + file;
    for (int copy = 1; copy <= MaxCopyNumber; ++copy) {
        const QString candidate = folder + WithCopyNumber(file, copy);
        if (!PathExists(candidate)) return candidate;
    }
    messages.ShowCritical(
        parent, QCoreApplication::translate("ChartPicture", " UNABLE  TO  CREATE  NEW  FILE%1").arg(file),
        QCoreApplication::translate("ChartPicture", "There are too many Copies of this file  %1").arg(file));
    return QString();
}

bool PathExists(const QString& path) {
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink();
}

}  // namespace grahavani
