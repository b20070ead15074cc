#pragma once
// A sign's box on a chart drawing as a screen reader meets it: a label holding the sign's
// lines at the place and font the drawing gives them (see render/sign_box_fit.h); the drawing
// paints them.

#include <QRect>
#include <QString>

#include "desktop/ui/widgets/self_sizing_label.h"

namespace grahavani {

class SignBox final : public SelfSizingLabel {
    Q_OBJECT
public:
    // At the drawing's font, Verdana 8.25 pt; lines centred on one another or left-aligned.
    SignBox(QWidget* drawing, const QString& objectName, bool centred);

    // Lines separated by '\n'; a screen reader reads them as the box's description.
    void Show(const QString& text);
    // In pixels of the drawing; the room holds the anchor.
    void Place(QPoint anchor, const QRect& room);
    int Columns() const { return columns_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Fit();

    bool centred_;
    QPoint anchor_;
    QRect room_;
    int columns_ = 1;
};

}  // namespace grahavani
