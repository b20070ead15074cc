#include "render/chart_painting.h"

#include <algorithm>

#include <QPainter>
#include <QStringList>

#include "render/chart_colours.h"
#include "render/sign_box_fit.h"

namespace grahavani {

namespace {

// As a label lays out its text.
constexpr int LabelFlags = Qt::TextExpandTabs | Qt::TextForceLeftToRight;

void PaintLines(QPainter& painter, const ChartFigure& figure) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ChartLine, 1));
    painter.translate(0.5, 0.5);
    figure.paintLines(painter, figure.Size());
    painter.restore();
}

void PaintNumbers(QPainter& painter, const ChartFigure& figure, const SignRegions& regions) {
    if (!figure.numberAnchors) return;
    const QFont font = DrawingFont(DrawingPointSize, *painter.device());
    painter.setFont(font);
    constexpr int flags = Qt::AlignLeft | Qt::AlignTop;
    for (std::size_t sign = 0; sign < regions.size(); ++sign) {
        const QString number = QString::number(sign + 1);
        const QRect place(figure.NumberAnchor(regions[sign]), TextSize(number, font, *painter.device(), flags));
        painter.drawText(place, flags | LabelFlags, number);
    }
}

void PaintSignBox(QPainter& painter, const QString& lines, const SignBoxFit& fit, bool centred) {
    const QFont font = DrawingFont(fit.pointSize, *painter.device());
    painter.setFont(font);
    const int flags = SignBoxTextFlags(centred);
    if (fit.columns == 1) {
        painter.drawText(fit.box, flags | LabelFlags, lines);
        return;
    }
    const auto [left, right] = ColumnTexts(lines);
    const auto [firstWidth, secondWidth] = fit.columnWidths;
    const QRect& box = fit.box;
    painter.drawText(QRect(box.left(), box.top(), firstWidth, box.height()), flags, left);
    painter.drawText(QRect(box.right() + 1 - secondWidth, box.top(), secondWidth, box.height()), flags, right);
}

}  // namespace

SignTexts SignTextsOf(const SignBoxLines& boxes) {
    SignTexts texts;
    for (std::size_t sign = 0; sign < boxes.size(); ++sign) {
        QStringList lines;
        for (const std::string& line : boxes[sign]) lines << QString::fromStdString(line);
        texts[sign] = lines.join('\n');
    }
    return texts;
}

void PaintChart(QPainter& painter, ChartStyle style, const SignTexts& texts, const SignRegions& regions,
                const QRectF& target) {
    const ChartFigure& figure = FigureOf(style);
    const QSize size = figure.Size();
    const double scale = std::min(target.width() / size.width(), target.height() / size.height());
    painter.save();
    const QPointF corner(target.left() + (target.width() - size.width() * scale) / 2,
                         target.top() + (target.height() - size.height() * scale) / 2);
    if (!corner.isNull()) painter.translate(corner);
    if (scale != 1) painter.scale(scale, scale);
    painter.fillRect(QRect(QPoint(), size), ChartGround);
    PaintLines(painter, figure);
    painter.setPen(ChartText);
    PaintNumbers(painter, figure, regions);
    for (std::size_t sign = 0; sign < texts.size(); ++sign) {
        if (texts[sign].isEmpty()) continue;
        const std::size_t region = regions[sign];
        const SignBoxFit fit = FitSignBox(texts[sign], figure.BoxAnchor(region), figure.Room(region),
                                          figure.boxLinesCentred, *painter.device());
        PaintSignBox(painter, texts[sign], fit, figure.boxLinesCentred);
    }
    painter.restore();
}

}  // namespace grahavani
