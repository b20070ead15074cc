#include "desktop/ui/entry/field_list.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QItemSelectionModel>

#include "desktop/ui/entry/field_list_accessible.h"

namespace grahavani {

FieldList::FieldList(QWidget* parent, const QString& objectName, const QString& fieldName)
    : QComboBox(parent) {
    InstallFieldListAccessible();
    setObjectName(objectName);
    setAccessibleName(fieldName);
    setEditable(false);

    // A screen reader picks an entry by selecting it in the closed popup's list; the
    // open popup keeps its own rule (an entry counts once it is clicked or entered).
    connect(view()->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (view()->isVisible()) return;
        const QModelIndexList rows = view()->selectionModel()->selectedRows();
        if (!rows.isEmpty()) setCurrentIndex(rows.first().row());
    });
    // The entry is the list's text, so readers hear it change.
    connect(this, &QComboBox::currentTextChanged, this,
            [this, shown = currentText()](const QString& text) mutable {
                QAccessibleTextUpdateEvent event(this, 0, shown, text);
                QAccessible::updateAccessibility(&event);
                shown = text;
            });
}

}  // namespace grahavani
