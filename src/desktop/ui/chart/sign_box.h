#pragma once
// A sign's box on a chart drawing: the sign's lines in one column, growing right and down
// from its anchor. Where that would leave the sign's room, the box moves back inside the
// room, wraps into two columns and steps its font down until it fits, so a crowded sign
// never reaches another sign's box.

#include <array>

#include <QRect>
#include <QString>

#include "desktop/ui/widgets/self_sizing_label.h"

namespace grahavani {

class SignBox final : public SelfSizingLabel {
    Q_OBJECT
public:
    // At the drawing's font, Verdana 8.25 pt; lines centred on one another or left-aligned.
    SignBox(QWidget* drawing, const QString& objectName, Qt::Alignment alignment);

    // Lines separated by '\n'; a screen reader reads them as the box's description.
    void Show(const QString& text);
    // In pixels of the drawing; the room holds the anchor.
    void Place(QPoint anchor, const QRect& room);
    int Columns() const { return columns_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Fit();
    // The lines of each column: the first holds the larger half.
    std::array<QString, 2> ColumnTexts() const;
    QRect ColumnRect(const QString& lines) const;

    QPoint anchor_;
    QRect room_;
    int columns_ = 1;
};

}  // namespace grahavani
