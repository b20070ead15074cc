#include <algorithm>

#include <gtest/gtest.h>

#include <QImage>

#include "desktop/ui/chart/east_indian_chart.h"

namespace grahavani::test {
namespace {

// Where a line crosses a row or a column of the picture: the centre of what is darker
// than the amber ground along it, in pixels, so the smoothing of edges does not matter.
double CrossingAlong(const QImage& image, bool alongRow, int fixed, int from, int to) {
    const int ground = qGray(qRgb(255, 199, 6));
    double weight = 0, sum = 0;
    for (int i = from; i <= to; ++i) {
        const QRgb pixel = alongRow ? image.pixel(i, fixed) : image.pixel(fixed, i);
        const int darkness = std::max(0, ground - qGray(pixel));
        weight += darkness;
        sum += darkness * double(i);
    }
    return weight > 0 ? sum / weight : -1;
}

TEST(EastIndianChart, DiagonalsRunBetweenTheStoredEnds) {
    QWidget frame;
    EastIndianChart chart(&frame);
    const QImage image = chart.grab().toImage();
    // Halfway along each diagonal, from its stored ends in twips / 15, rounded: top left
    // (0, 0)-(118, 118), top right (233, 117)-(350, 0), bottom left (0, 349)-(117, 232),
    // bottom right (233, 233)-(352, 352). Lines to the ideal corners would cross the
    // top right's row at 294 and the bottom left's column at 294.
    const struct {
        const char* diagonal;
        bool alongRow;
        int fixed;
        double crossing;
    } cases[] = {{"top left", true, 59, 59},
                 {"top right", true, 58, 292},
                 {"bottom left", false, 58, 291},
                 {"bottom right", true, 290, 290}};
    for (const auto& c : cases) {
        const int from = static_cast<int>(c.crossing) - 8, to = from + 16;
        EXPECT_NEAR(CrossingAlong(image, c.alongRow, c.fixed, from, to), c.crossing, 0.75)
            << c.diagonal;
    }
}

}  // namespace
}  // namespace grahavani::test
