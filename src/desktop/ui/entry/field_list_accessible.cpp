#include "desktop/ui/entry/field_list_accessible.h"

#include <mutex>

#include <QAbstractItemView>

#include "desktop/ui/entry/field_list.h"

namespace grahavani {

namespace {

QAccessibleInterface* FieldListFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(FieldList::staticMetaObject.className())) return nullptr;
    return new FieldListAccessible(static_cast<FieldList*>(object));
}

}  // namespace

FieldListAccessible::FieldListAccessible(FieldList* list)
    : QAccessibleWidget(list, QAccessible::ComboBox) {}

FieldList* FieldListAccessible::list() const { return static_cast<FieldList*>(widget()); }

QString FieldListAccessible::entry() const { return list()->currentText(); }

void* FieldListAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString FieldListAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value) return entry();
    return QAccessibleWidget::text(kind);
}

int FieldListAccessible::childCount() const { return 1; }

QAccessibleInterface* FieldListAccessible::child(int index) const {
    return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
}

int FieldListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && child->object() == list()->view() ? 0 : -1;
}

QAccessibleInterface* FieldListAccessible::childAt(int, int) const { return nullptr; }

QStringList FieldListAccessible::actionNames() const {
    return {showMenuAction(), pressAction()};
}

QString FieldListAccessible::localizedActionDescription(const QString& action) const {
    return actionNames().contains(action) ? QComboBox::tr("Open the combo box selection popup")
                                          : QString();
}

void FieldListAccessible::doAction(const QString& action) {
    if (!actionNames().contains(action)) return;
    if (list()->view()->isVisible()) {
        list()->hidePopup();
    } else {
        list()->showPopup();
    }
}

QStringList FieldListAccessible::keyBindingsForAction(const QString&) const { return {}; }

QString FieldListAccessible::text(int startOffset, int endOffset) const {
    return entry().mid(startOffset, endOffset - startOffset);
}

int FieldListAccessible::characterCount() const { return static_cast<int>(entry().size()); }

int FieldListAccessible::cursorPosition() const { return 0; }

void FieldListAccessible::setCursorPosition(int) {}

int FieldListAccessible::selectionCount() const { return 0; }

void FieldListAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

void FieldListAccessible::addSelection(int, int) {}

void FieldListAccessible::removeSelection(int) {}

void FieldListAccessible::setSelection(int, int, int) {}

QRect FieldListAccessible::characterRect(int) const { return {}; }

int FieldListAccessible::offsetAtPoint(const QPoint&) const { return -1; }

void FieldListAccessible::scrollToSubstring(int, int) {}

QString FieldListAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void InstallFieldListAccessible() {
    // Qt asks the installed factories before its own, so this one answers for FieldList.
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(&FieldListFactory); });
}

}  // namespace grahavani
