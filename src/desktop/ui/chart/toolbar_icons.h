#pragma once
// The toolbar's pictures, drawn from the SVG files in the program's resources.

#include <QIcon>
#include <QString>

namespace grahavani {

// key is "New", "Open", "Save", "Print" or "Help".
QIcon ToolbarIcon(const QString& key);

}  // namespace grahavani
