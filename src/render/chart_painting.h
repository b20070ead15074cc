#pragma once
// A chart drawing painted with QPainter, the same on the screen, in a picture, on paper and in
// a PDF: the amber ground, the style's lines, the sign numbers and each sign's lines in its box.

#include <array>

#include <QRectF>
#include <QString>

#include "chart/chart_style.h"
#include "chart/sign_box_texts.h"
#include "render/chart_figure.h"

class QPainter;

namespace grahavani {

using SignTexts = std::array<QString, 12>;  // by sign, 0 = Aries; lines separated by '\n'

SignTexts SignTextsOf(const SignBoxLines& boxes);

// The drawing's logical pixels are scaled alike both ways to fill `target` (in the painter's
// units), centred in it; the fonts keep their proportion to the drawing on any device.
void PaintChart(QPainter& painter, ChartStyle style, const SignTexts& texts, const SignRegions& regions,
                const QRectF& target);

}  // namespace grahavani
