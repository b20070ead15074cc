#include "render/sign_box_fit.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QStringList>

#include "render/fonts.h"

namespace grahavani {

namespace {

// Every stellium of the English names fits by 5.25 pt; the longer Tamil names of a full sign
// go smaller still rather than reach another sign.
constexpr double SmallestPointSize = 3.75, PointStep = 0.75;
constexpr double DesignDpi = 96;
// Wide enough that no box's line ever wraps.
const QRectF Unbounded(0, 0, 2000, 2000);

// Moves the box left and up, never past the room's left and top, so it ends inside.
QRect PulledInto(QRect box, const QRect& room) {
    box.moveLeft(std::max(room.left(), std::min(box.left(), room.right() + 1 - box.width())));
    box.moveTop(std::max(room.top(), std::min(box.top(), room.bottom() + 1 - box.height())));
    return box;
}

QSize ColumnSize(const QString& lines, const QFontMetricsF& metrics, bool centred) {
    return metrics.boundingRect(Unbounded, SignBoxTextFlags(centred), lines).toAlignedRect().size();
}

// The box's size at its anchor, and the widths of two columns.
SignBoxFit Measured(const QString& lines, int columns, double points, QPoint anchor,
                    const QPaintDevice& device, bool centred) {
    const QFont font = DrawingFont(points, device);
    if (columns == 1) return {points, 1, QRect(anchor, TextSize(lines, font, device, SignBoxTextFlags(centred)))};
    const QFontMetricsF metrics(font, &device);
    const auto [left, right] = ColumnTexts(lines);
    const QSize first = ColumnSize(left, metrics, centred), second = ColumnSize(right, metrics, centred);
    const int gap = qRound(metrics.horizontalAdvance(QStringLiteral("  ")));
    return {points, 2, QRect(anchor, QSize(first.width() + gap + second.width(), std::max(first.height(), second.height()))),
            {first.width(), second.width()}};
}

}  // namespace

QFont DrawingFont(double pointSize, const QPaintDevice& device) {
    return VerdanaFont(pointSize * DesignDpi / device.logicalDpiY());
}

int SignBoxTextFlags(bool centred) {
    return Qt::AlignTop | (centred ? Qt::AlignHCenter : Qt::AlignLeft);
}

QSize TextSize(const QString& text, const QFont& font, const QPaintDevice& device, int flags) {
    // Measured from the left edge, as a label measures itself: centring would only add rounding.
    const int measured = (flags & ~Qt::AlignHCenter) | Qt::TextExpandTabs;
    return QFontMetricsF(font, &device).boundingRect(Unbounded, measured, text).toAlignedRect().size();
}

SignBoxFit FitSignBox(const QString& lines, QPoint anchor, const QRect& room, bool centred,
                      const QPaintDevice& device) {
    const int mostColumns = lines.contains('\n') ? 2 : 1;
    SignBoxFit fit;
    for (double points = DrawingPointSize; points >= SmallestPointSize; points -= PointStep) {
        for (int columns = 1; columns <= mostColumns; ++columns) {
            fit = Measured(lines, columns, points, anchor, device, centred);
            fit.box = PulledInto(fit.box, room);
            if (lines.isEmpty() || room.contains(fit.box)) return fit;
        }
    }
    return fit;
}

std::array<QString, 2> ColumnTexts(const QString& lines) {
    const QStringList parts = lines.split('\n');
    const qsizetype first = (parts.size() + 1) / 2;
    return {parts.mid(0, first).join('\n'), parts.mid(first).join('\n')};
}

}  // namespace grahavani
