#include "desktop/ui/chart/sign_box.h"

#include <algorithm>

#include <QPainter>

#include "render/fonts.h"

namespace grahavani {

namespace {

constexpr double DrawingPointSize = 8.25, SmallestPointSize = 5.25, PointStep = 0.75;

// Moves the box left and up, never past the room's left and top, so it ends inside.
QRect PulledInto(QRect box, const QRect& room) {
    box.moveLeft(std::max(room.left(), std::min(box.left(), room.right() + 1 - box.width())));
    box.moveTop(std::max(room.top(), std::min(box.top(), room.bottom() + 1 - box.height())));
    return box;
}

}  // namespace

SignBox::SignBox(QWidget* drawing, const QString& objectName, Qt::Alignment alignment)
    : SelfSizingLabel(drawing, objectName, {0, 0}, VerdanaFont(DrawingPointSize),
                      alignment | Qt::AlignTop) {}

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
    const bool severalLines = text().contains('\n');
    QRect box;
    for (double points = DrawingPointSize; points >= SmallestPointSize; points -= PointStep) {
        setFont(VerdanaFont(points));
        for (int columns = 1; columns <= (severalLines ? 2 : 1); ++columns) {
            columns_ = columns;
            adjustSize();
            box = PulledInto(QRect(anchor_, size()), room_);
            if (text().isEmpty() || room_.contains(box)) {
                move(box.topLeft());
                return;
            }
        }
    }
    move(box.topLeft());  // the smallest two columns: the most the room can be given
}

std::array<QString, 2> SignBox::ColumnTexts() const {
    const QStringList lines = text().split('\n');
    const qsizetype first = (lines.size() + 1) / 2;
    return {lines.mid(0, first).join('\n'), lines.mid(first).join('\n')};
}

QRect SignBox::ColumnRect(const QString& lines) const {
    return fontMetrics().boundingRect(QRect(0, 0, 2000, 2000), int(alignment()), lines);
}

QSize SignBox::sizeHint() const {
    if (columns_ == 1) return SelfSizingLabel::sizeHint();
    const auto [left, right] = ColumnTexts();
    const QSize first = ColumnRect(left).size(), second = ColumnRect(right).size();
    const int gap = fontMetrics().horizontalAdvance(QStringLiteral("  "));
    return {first.width() + gap + second.width(), std::max(first.height(), second.height())};
}

void SignBox::paintEvent(QPaintEvent* event) {
    if (columns_ == 1) {
        SelfSizingLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const auto [left, right] = ColumnTexts();
    const int firstWidth = ColumnRect(left).width();
    painter.drawText(QRect(0, 0, firstWidth, height()), int(alignment()), left);
    const int secondWidth = ColumnRect(right).width();
    painter.drawText(QRect(width() - secondWidth, 0, secondWidth, height()), int(alignment()), right);
}

}  // namespace grahavani
