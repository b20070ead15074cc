#pragma once
// A drop-down list of fixed entries that a screen reader announces by its field's name,
// with the picked entry as its text; picking an entry through the reader commits it.

#include <QComboBox>

namespace grahavani {

class FieldList final : public QComboBox {
    Q_OBJECT
public:
    FieldList(QWidget* parent, const QString& objectName, const QString& fieldName);
};

}  // namespace grahavani
