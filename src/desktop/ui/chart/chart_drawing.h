#pragma once
// What the three chart drawings share: an amber picture painted with thin dark
// lines, with the twelve sign boxes (and, for two of them, sign numbers) on top.

#include <array>

#include <QWidget>

#include "desktop/ui/widgets/self_sizing_label.h"

namespace grahavani {

// A point of the drawing in twips from its top left corner.
struct TwipsAnchor {
    int left;
    int top;
};

using SignAnchors = std::array<TwipsAnchor, 12>;  // indexed by sign, 0 = Aries

class ChartDrawing : public QWidget {
    Q_OBJECT
public:
    void SetSignBoxText(std::size_t sign, const QString& text);
    const SelfSizingLabel& SignBox(std::size_t sign) const { return *signBoxes_[sign]; }

protected:
    // Boxes are named boxName(s); their lines are centred on one another or
    // left-aligned as boxAlignment says.
    ChartDrawing(QWidget* parent, const QString& objectName, const QRect& geometryTwips,
                 const QString& boxName, Qt::Alignment boxAlignment,
                 const SignAnchors& boxAnchors);
    // The fixed texts "1" to "12", named numberName(s).
    void AddSignNumbers(const QString& numberName, const SignAnchors& numberAnchors);

    void paintEvent(QPaintEvent* event) override;
    // Paints in logical pixels with a one-pixel pen placed on pixel centres.
    virtual void PaintLines(QPainter& painter) const = 0;

private:
    std::array<SelfSizingLabel*, 12> signBoxes_{};
};

}  // namespace grahavani
