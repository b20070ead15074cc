#pragma once
// The chart display saved as a JPEG file that never replaces an earlier one: a taken
// name gets a copy number _001 to _999 before its dot. The picture goes through a
// temporary bitmap file, as the converter takes one.

#include <QString>

class QImage;
class QWidget;

namespace grahavani {

class MessageSink;

// The name as chosen in the dialog: cut at the first dot of its file name, given the
// extension ".jpg", made unique and written. Failures are reported to `messages`.
void SaveChartPicture(const QImage& picture, const QString& name, MessageSink& messages,
                      QWidget* parent);

// folder + file, or the first free numbered copy of it; empty (after telling the
// user) when all 999 copies are taken. A leading "//" of the folder stays.
QString MakeUniqueJpegPath(QString folder, const QString& file, MessageSink& messages,
                           QWidget* parent);

// True when anything is at the path, even a folder or a dangling link: neither may
// be written over.
bool PathExists(const QString& path);

}  // namespace grahavani
