#pragma once
// The three chart drawings as they were designed, in twips of a 96-dpi screen (15 to the
// logical pixel): each style's size, where its sign boxes and sign numbers stand, the room
// each box may fill, and its lines.

#include <array>
#include <cstddef>
#include <optional>

#include <QPoint>
#include <QRect>
#include <QSize>

#include "chart/chart_style.h"

class QPainter;

namespace grahavani {

// A point of the drawing in twips from its top left corner.
struct TwipsAnchor {
    int left;
    int top;
};

// Indexed by region; a drawing's regions are its signs, 0 = Aries, unless the North drawing
// is turned.
using SignAnchors = std::array<TwipsAnchor, 12>;

// The part of the drawing a region's box may fill, in twips; no two regions' rooms meet.
struct TwipsRoom {
    int left;
    int top;
    int width;
    int height;
};

using SignRooms = std::array<TwipsRoom, 12>;  // indexed by region

struct ChartFigure {
    int widthTwips;
    int heightTwips;
    SignAnchors boxAnchors;
    SignRooms rooms;
    std::optional<SignAnchors> numberAnchors;  // none on the East drawing
    bool boxLinesCentred;  // else left-aligned
    // Paints in logical pixels of a drawing of `size`, with a one-pixel pen placed on pixel
    // centres.
    void (*paintLines)(QPainter& painter, QSize size);

    // In logical pixels.
    QSize Size() const;
    QPoint BoxAnchor(std::size_t region) const;
    QRect Room(std::size_t region) const;
    QPoint NumberAnchor(std::size_t region) const;  // only where there are numbers
};

const ChartFigure& FigureOf(ChartStyle style);

// The region each sign stands in, by sign: the North drawing's top rhombus holds `topSign`;
// the other drawings never turn.
using SignRegions = std::array<std::size_t, 12>;
SignRegions RegionsOfSigns(ChartStyle style, std::size_t topSign);

}  // namespace grahavani
