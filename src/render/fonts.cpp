#include "render/fonts.h"

#include <QStringList>

namespace grahavani {

void RegisterFontSubstitutes() {
    const QStringList substitutes = {"DejaVu Sans", "Lohit Devanagari"};
    QFont::insertSubstitutions("Verdana", substitutes);
    QFont::insertSubstitutions("MS Sans Serif", substitutes);
}

QFont VerdanaFont(double pointSize, bool bold) {
    QFont font("Verdana");
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont SansSerifFont() {
    QFont font("MS Sans Serif");
    font.setPointSizeF(8.25);
    return font;
}

}  // namespace grahavani
