#pragma once
// A chart file read from disk into birth entries, as File → Open reads it: a file that cannot
// be read, is no chart file or holds a line that cannot be read gives the message to show and
// leaves the entries as they were.

#include <variant>

#include <QString>

#include "formats/chart_file.h"
#include "model/birth_entries.h"

namespace grahavani {

// The entries keep their zone and tick unless the file states its own.
std::variant<ChartFileClock, QString> ReadChartFileAt(const QString& path, BirthEntries& entries);

}  // namespace grahavani
