#pragma once
// A table the reader reads but does not edit: named for the screen reader, whole rows
// selected, Tab moving on to the next control, every cell holding an item to fill.

#include <QStringList>

class QTableWidget;
class QWidget;

namespace grahavani {

QTableWidget* MakeReadOnlyTable(QWidget* parent, const QString& name, const QString& accessibleName,
                                const QStringList& columns, int rows);

// As large as its columns and rows, headers included, and never scrolling: for a tab that
// scrolls whole. Called again after the columns change their widths.
void FitToCells(QTableWidget& table);

}  // namespace grahavani
