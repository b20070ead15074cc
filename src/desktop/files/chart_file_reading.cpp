#include "desktop/files/chart_file_reading.h"

#include <QByteArray>
#include <QCoreApplication>

#include "desktop/files/whole_file.h"
#include "desktop/ui/language/desktop_translator.h"

namespace grahavani {

std::variant<ChartFileClock, QString> ReadChartFileAt(const QString& path, BirthEntries& entries) {
    QByteArray bytes;
    // One byte past the limit tells a file too long to be a chart.
    if (const auto problem = ReadFileStart(path, ChartFileReadLimit + 1, bytes)) {
        return FileProblemMessage(QCoreApplication::translate("ChartFileReading", "The chart could not be opened from"),
                                  path, *problem);
    }
    const std::string_view stored(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!CouldBeChartFile(stored)) return QString::fromStdString(NotAChartFileMessage(path.toStdString(), DesktopLanguage()));
    BirthEntries read = entries;
    const auto clock = ReadChartFile(stored, read, DesktopLanguage());
    if (const auto* problem = std::get_if<std::string>(&clock)) return QString::fromStdString(*problem);
    entries = std::move(read);
    return std::get<ChartFileClock>(clock);
}

}  // namespace grahavani
