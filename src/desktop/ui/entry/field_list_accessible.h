#pragma once
// What a screen reader reads of a FieldList: the field's name as its name (Qt's own
// combo box gives its current entry there on Linux), the entry as its value and text,
// the popup list as its one child, and the actions that open and close the popup.

#include <QAccessibleWidget>

namespace grahavani {

class FieldList;

class FieldListAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit FieldListAccessible(FieldList* list);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QStringList actionNames() const override;
    QString localizedActionDescription(const QString& action) const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

    // The current entry as read-only text with nothing selected.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    int selectionCount() const override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    FieldList* list() const;
    QString entry() const;
};

// Makes Qt build a FieldListAccessible for every FieldList; safe to call again.
void InstallFieldListAccessible();

}  // namespace grahavani
