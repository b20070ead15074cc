#pragma once
// What the three chart drawings share: an amber picture painted with thin dark
// lines, with the twelve sign boxes (and, for two of them, sign numbers) on top.

#include <array>

#include <QWidget>

#include "desktop/ui/chart/sign_box.h"
#include "desktop/ui/widgets/self_sizing_label.h"

namespace grahavani {

// A point of the drawing in twips from its top left corner.
struct TwipsAnchor {
    int left;
    int top;
};

// Indexed by region; a drawing's regions are its signs, 0 = Aries, until it places them
// otherwise.
using SignAnchors = std::array<TwipsAnchor, 12>;

// The part of the drawing a region's box may fill, in twips; no two regions' rooms meet.
struct TwipsRoom {
    int left;
    int top;
    int width;
    int height;
};

using SignRooms = std::array<TwipsRoom, 12>;  // indexed by region

class ChartDrawing : public QWidget {
    Q_OBJECT
public:
    void SetSignBoxText(std::size_t sign, const QString& text);
    const SignBox& Box(std::size_t sign) const { return *signBoxes_[sign]; }
    // In pixels of the drawing: the room of the region the sign stands in.
    QRect SignRoom(std::size_t sign) const;
    // Tells another drawing of this style from the chart's own: its object names and those of
    // its boxes and numbers get objectPrefix; a screen reader reads each sign after
    // readerPrefix ("Sun Aries").
    void NameApart(const QString& objectPrefix, const QString& readerPrefix);

protected:
    // Boxes are named boxName(s); their lines are centred on one another or
    // left-aligned as boxAlignment says.
    ChartDrawing(QWidget* parent, const QString& objectName, const QRect& geometryTwips,
                 const QString& boxName, Qt::Alignment boxAlignment,
                 const SignAnchors& boxAnchors, const SignRooms& rooms);
    // Number labels named numberName(region), showing the number of the region's sign.
    void AddSignNumbers(const QString& numberName, const SignAnchors& numberAnchors);
    // Moves the sign's box to the region and numbers the region by the sign.
    void PlaceSign(std::size_t sign, std::size_t region);

    void paintEvent(QPaintEvent* event) override;
    // Paints in logical pixels with a one-pixel pen placed on pixel centres.
    virtual void PaintLines(QPainter& painter) const = 0;

private:
    QString SignWords(std::size_t sign) const;

    SignAnchors boxAnchors_;
    SignRooms rooms_;
    std::array<std::size_t, 12> regionOfSign_{};
    std::array<SignBox*, 12> signBoxes_{};  // by sign
    std::array<SelfSizingLabel*, 12> numbers_{};  // by region; none on the East drawing
    QString readerPrefix_;
};

}  // namespace grahavani
