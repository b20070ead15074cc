#include "desktop/ui/chart/sign_box.h"

#include "render/fonts.h"
#include "render/sign_box_fit.h"

namespace grahavani {

SignBox::SignBox(QWidget* drawing, const QString& objectName, bool centred)
    : SelfSizingLabel(drawing, objectName, {0, 0}, VerdanaFont(DrawingPointSize),
                      (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop),
      centred_(centred) {}

void SignBox::Show(const QString& text) {
    setText(text);
    setAccessibleDescription(text);
    Fit();
}

void SignBox::Place(QPoint anchor, const QRect& room) {
    anchor_ = anchor;
    room_ = room;
    Fit();
}

void SignBox::Fit() {
    const SignBoxFit fit = FitSignBox(text(), anchor_, room_, centred_, *parentWidget());
    setFont(VerdanaFont(fit.pointSize));
    columns_ = fit.columns;
    setGeometry(fit.box);
}

void SignBox::paintEvent(QPaintEvent*) {}  // the drawing paints the lines

}  // namespace grahavani
