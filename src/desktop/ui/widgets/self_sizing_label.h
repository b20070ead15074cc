#pragma once
// A transparent label that keeps its top left corner and grows right and down to
// fit its text.

#include <QLabel>

namespace grahavani {

class SelfSizingLabel : public QLabel {
    Q_OBJECT
public:
    SelfSizingLabel(QWidget* parent, const QString& objectName, QPoint anchorTwips,
                    const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

    void SetText(const QString& text);
};

}  // namespace grahavani
