#include "desktop/ui/widgets/self_sizing_label.h"

#include "render/twips.h"

namespace grahavani {

SelfSizingLabel::SelfSizingLabel(QWidget* parent, const QString& objectName,
                                 QPoint anchorTwips, const QFont& font,
                                 Qt::Alignment alignment)
    : QLabel(parent) {
    setObjectName(objectName);
    setFont(font);
    setAlignment(alignment);
    setTextFormat(Qt::PlainText);
    move(TwipsPoint(anchorTwips.x(), anchorTwips.y()));
    adjustSize();
}

void SelfSizingLabel::SetText(const QString& text) {
    setText(text);
    adjustSize();
}

}  // namespace grahavani
