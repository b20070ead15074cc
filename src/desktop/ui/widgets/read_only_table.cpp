#include "desktop/ui/widgets/read_only_table.h"

#include <QHeaderView>
#include <QTableWidget>

namespace grahavani {

QTableWidget* MakeReadOnlyTable(QWidget* parent, const QString& name, const QString& accessibleName,
                                const QStringList& columns, int rows) {
    auto* table = new QTableWidget(rows, static_cast<int>(columns.size()), parent);
    table->setObjectName(name);
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(columns);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);  // Tab moves on to the next control
    // Rows no taller than their text: nine periods fit one above the other in the frame.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns.size(); ++column) {
            table->setItem(row, column, new QTableWidgetItem);
        }
    }
    return table;
}

void FitToCells(QTableWidget& table) {
    table.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table.horizontalHeader()->setStretchLastSection(false);
    const int frame = 2 * table.frameWidth();
    table.setFixedSize(table.horizontalHeader()->length() + frame,
                       table.horizontalHeader()->sizeHint().height() +
                           table.verticalHeader()->length() + frame);
}

}  // namespace grahavani
