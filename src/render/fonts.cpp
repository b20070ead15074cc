#include "render/fonts.h"

#include <QStringList>

namespace grahavani {

void RegisterFontSubstitutes() {
    // Each script's letters come from the first of these that has them.
    const QStringList substitutes = {"DejaVu Sans", "Lohit Devanagari", "Noto Sans Tamil"};
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
