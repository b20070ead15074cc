#pragma once
// How a sign's lines fit its box on a chart drawing: in one column, growing right and down from
// the box's anchor. Where that would leave the sign's room, the box moves back inside the room,
// wraps into two columns and steps its font down until it fits, so a crowded sign never reaches
// another sign's box. Measured in logical pixels of the drawing on the device it is painted on.

#include <array>

#include <QFont>
#include <QRect>
#include <QString>

class QPaintDevice;

namespace grahavani {

// The drawings' font as designed, Verdana 8.25 pt on a 96-dpi screen (11 logical pixels).
inline constexpr double DrawingPointSize = 8.25;

// The drawings' font at `pointSize` as it stands on a 96-dpi screen, sized for `device` so its
// text keeps that proportion to the drawing's logical pixels whatever the device's resolution.
QFont DrawingFont(double pointSize, const QPaintDevice& device);

struct SignBoxFit {
    double pointSize = DrawingPointSize;  // as designed, for DrawingFont
    int columns = 1;                      // 1 or 2
    QRect box;                            // in logical pixels of the drawing
    std::array<int, 2> columnWidths{};    // of two columns, the first at the box's left
};

// `lines` separated by '\n'; the anchor and the room in logical pixels, the room holding the
// anchor. When nothing fits, the smallest font in two columns: the most the room can be given.
SignBoxFit FitSignBox(const QString& lines, QPoint anchor, const QRect& room, bool centred,
                      const QPaintDevice& device);

// The lines of each of two columns: the first holds the larger half.
std::array<QString, 2> ColumnTexts(const QString& lines);

// The flags a box's lines are laid out with, centred on one another or left-aligned.
int SignBoxTextFlags(bool centred);

// The size of `text` laid out with `flags` as a label sizes itself, in logical pixels.
QSize TextSize(const QString& text, const QFont& font, const QPaintDevice& device, int flags);

}  // namespace grahavani
