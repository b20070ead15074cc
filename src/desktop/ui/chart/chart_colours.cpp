#include "desktop/ui/chart/chart_colours.h"

#include <QWidget>

namespace grahavani {

namespace {

void SetColours(QWidget& widget, const QColor& ground, const QColor* text) {
    QPalette palette = widget.palette();
    // Base too: the interpretation's text boxes draw on it, with black text.
    for (const auto role : {QPalette::Window, QPalette::Base}) palette.setColor(role, ground);
    if (text) palette.setColor(QPalette::WindowText, *text);
    widget.setPalette(palette);
    // Named too: inside a scroll area a widget would otherwise draw with Base and Text.
    widget.setBackgroundRole(QPalette::Window);
    widget.setForegroundRole(QPalette::WindowText);
}

}  // namespace

void SetChartGround(QWidget& widget, const QColor& ground) { SetColours(widget, ground, nullptr); }

void SetChartColours(QWidget& widget, const QColor& ground, const QColor& text) {
    SetColours(widget, ground, &text);
}

}  // namespace grahavani
