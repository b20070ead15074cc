#include "desktop/ui/entry/field_list.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QItemSelectionModel>
#include <QKeyEvent>

#include "desktop/ui/entry/field_list_accessible.h"

namespace grahavani {

namespace {

// How long a typed number waits for its next digit.
constexpr qint64 TypedNumberPauseMs = 1000;

}  // namespace

FieldList::FieldList(QWidget* parent, const QString& objectName, const QString& fieldName,
                     TypedKeys keys)
    : QComboBox(parent), keys_(keys) {
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

void FieldList::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool digit = typed.size() == 1 && typed.front() >= u'0' && typed.front() <= u'9' &&
                       (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (keys_ != TypedKeys::PickNumber || !digit) {
        typedDigits_.clear();  // an arrow or a letter ends the number
        return QComboBox::keyPressEvent(event);
    }
    if (!sinceLastDigit_.isValid() || sinceLastDigit_.elapsed() > TypedNumberPauseMs) typedDigits_.clear();
    sinceLastDigit_.start();
    typedDigits_ += typed;
    if (!PickNumber(typedDigits_)) {
        typedDigits_ = typed;
        PickNumber(typedDigits_);
    }
    event->accept();
}

bool FieldList::PickNumber(const QString& digits) {
    bool isNumber = false;
    const int number = digits.toInt(&isNumber);
    const int row = isNumber ? findText(QString::number(number)) : -1;
    if (row < 0) return false;
    if (row != currentIndex()) {
        setCurrentIndex(row);
        emit activated(row);  // as Qt's own keyboard search reports a pick
    }
    return true;
}

}  // namespace grahavani
