#pragma once
// A drop-down list of fixed entries that a screen reader announces by its field's name,
// with the picked entry as its text; picking an entry through the reader commits it.
// A list of numbers can pick the number typed on the keyboard.

#include <QComboBox>
#include <QElapsedTimer>

namespace grahavani {

// What typing on the closed list does.
enum class TypedKeys {
    // Qt's search for the entry that starts with what was typed.
    FindPrefix,
    // Digits typed within a second of each other pick the number they make ("2" then "0" is 20,
    // not the next entry starting with "2"); a number the list lacks keeps the entry and starts
    // again from the last digit.
    PickNumber,
};

class FieldList final : public QComboBox {
    Q_OBJECT
public:
    FieldList(QWidget* parent, const QString& objectName, const QString& fieldName,
              TypedKeys keys = TypedKeys::FindPrefix);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Picks the entry that reads as this number; false when there is none.
    bool PickNumber(const QString& digits);

    TypedKeys keys_;
    QString typedDigits_;
    QElapsedTimer sinceLastDigit_;
};

}  // namespace grahavani
