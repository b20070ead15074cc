#pragma once
// What the three chart drawings share on screen: the drawing painted by the render code, with
// the twelve sign boxes (and, for two of them, sign numbers) as labels a screen reader reads.

#include <array>

#include <QWidget>

#include "chart/chart_style.h"
#include "desktop/ui/chart/sign_box.h"
#include "desktop/ui/widgets/self_sizing_label.h"
#include "render/chart_figure.h"
#include "render/chart_painting.h"

namespace grahavani {

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
    // The words a screen reader reads before each sign, as after a change of language.
    void SetReaderPrefix(const QString& readerPrefix);

protected:
    // At `positionTwips` in its parent, the style's size; boxes are named boxName(s), numbers
    // (where the style has them) numberName(region).
    ChartDrawing(QWidget* parent, const QString& objectName, QPoint positionTwips, ChartStyle style,
                 const QString& boxName, const QString& numberName = QString());
    // Moves the sign's box to the region and numbers the region by the sign.
    void PlaceSign(std::size_t sign, std::size_t region);

    void paintEvent(QPaintEvent* event) override;

private:
    QString SignWords(std::size_t sign) const;
    // Each box's name and each number's description, in the language shown.
    void NameSigns();

    ChartStyle style_;
    const ChartFigure& figure_;
    SignRegions regionOfSign_{};
    SignTexts texts_;
    std::array<SignBox*, 12> signBoxes_{};  // by sign
    std::array<SelfSizingLabel*, 12> numbers_{};  // by region; none on the East drawing
    QString readerPrefix_;
};

}  // namespace grahavani
