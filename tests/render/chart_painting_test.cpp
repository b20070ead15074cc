#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "render/chart_painting.h"
#include "render/offscreen_gui.h"
#include "render/sign_box_fit.h"

namespace grahavani {
namespace {

// The most one sign can hold: the lagna and eight bodies, the widest names retrograde.
const QString Stellium =
    QStringLiteral("Asc\nSurya\nChandra\nBudha R\nShukra R\nMangala R\nGuru R\nShani R\nKetu");

QImage Painted(ChartStyle style, const SignTexts& texts, const SignRegions& regions, double scale, int dpi) {
    const QSize size = FigureOf(style).Size() * scale;
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    PaintChart(painter, style, texts, regions, QRectF(QPointF(), size));
    return image;
}

// The screen at 1:1, and a PDF-like device: 72 dpi, the drawing scaled up.
TEST(ChartPainting, ACrowdedSignsInkStaysInItsRoomAtEverySize) {
    EnsureOffscreenGui();
    const struct {
        double scale;
        int dpi;
    } devices[] = {{1, 96}, {2.5, 72}};
    for (const ChartStyle style : {ChartStyle::North, ChartStyle::South, ChartStyle::East}) {
        for (const std::size_t topSign : {std::size_t{0}, std::size_t{7}}) {
            const SignRegions regions = RegionsOfSigns(style, topSign);
            for (const auto& [scale, dpi] : devices) {
                const QImage empty = Painted(style, {}, regions, scale, dpi);
                for (std::size_t sign = 0; sign < 12; ++sign) {
                    SignTexts texts;
                    texts[sign] = Stellium;
                    const QImage crowded = Painted(style, texts, regions, scale, dpi);
                    const QRect room = FigureOf(style).Room(regions[sign]);
                    // One pixel of the device for the edges' antialiasing.
                    const QRectF inked(room.x() * scale - 1, room.y() * scale - 1, room.width() * scale + 2,
                                       room.height() * scale + 2);
                    int outside = 0, inside = 0;
                    for (int y = 0; y < crowded.height(); ++y) {
                        for (int x = 0; x < crowded.width(); ++x) {
                            if (crowded.pixel(x, y) == empty.pixel(x, y)) continue;
                            ++(inked.contains(QPointF(x + 0.5, y + 0.5)) ? inside : outside);
                        }
                    }
                    const std::string where = "style " + std::to_string(static_cast<int>(style)) + " top " +
                                              std::to_string(topSign) + " sign " + std::to_string(sign) +
                                              " scale " + std::to_string(scale);
                    EXPECT_EQ(outside, 0) << where;
                    EXPECT_GT(inside, 0) << where << ": the lines are painted";
                }
            }
        }
    }
}

// The text keeps its proportion to the drawing: the same fit on a 72-dpi device as on screen.
TEST(ChartPainting, TheFitIsTheSameOnAnyDevice) {
    EnsureOffscreenGui();
    QImage screen(1, 1, QImage::Format_RGB32), paper(1, 1, QImage::Format_RGB32);
    screen.setDotsPerMeterX(qRound(96 / 0.0254));
    screen.setDotsPerMeterY(qRound(96 / 0.0254));
    paper.setDotsPerMeterX(qRound(72 / 0.0254));
    paper.setDotsPerMeterY(qRound(72 / 0.0254));
    const ChartFigure& north = FigureOf(ChartStyle::North);
    for (std::size_t region = 0; region < 12; ++region) {
        for (const QString& lines : {QStringLiteral("Guru"), QStringLiteral("Asc\nSurya\nBudha R"), Stellium}) {
            const SignBoxFit onScreen = FitSignBox(lines, north.BoxAnchor(region), north.Room(region), true, screen);
            const SignBoxFit onPaper = FitSignBox(lines, north.BoxAnchor(region), north.Room(region), true, paper);
            EXPECT_EQ(onScreen.pointSize, onPaper.pointSize) << region;
            EXPECT_EQ(onScreen.columns, onPaper.columns) << region;
            EXPECT_LE(std::abs(onScreen.box.width() - onPaper.box.width()), 2) << region;
        }
    }
}

}  // namespace
}  // namespace grahavani
