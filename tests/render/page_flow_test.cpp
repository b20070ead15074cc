// PageFlow's wrapped paragraphs as they are painted: every line's text and baseline caught by a
// paint device that records them.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPaintEngine>

#include "render/offscreen_gui.h"
#include "render/page_flow.h"

namespace grahavani {
namespace {

struct PaintedLine {
    int page;
    QPointF baseline;
    QString text;
};

class RecordingEngine final : public QPaintEngine {
public:
    std::vector<PaintedLine> lines;
    int page = 0;
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        if (!lines.empty() && lines.back().page == page && lines.back().baseline.y() == at.y()) {
            lines.back().text += item.text();
        } else {
            lines.push_back({page, at, item.text()});
        }
    }
    Type type() const override { return User; }
};

class RecordedPages final : public QPaintDevice {
public:
    mutable RecordingEngine engine;
    QPaintEngine* paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth: case PdmWidthMM: return 600;
            case PdmHeight: case PdmHeightMM: return 800;
            case PdmDevicePixelRatio: return 1;
            case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
            case PdmNumColors: return 1 << 24;
            case PdmDepth: return 32;
            default: return 72;  // the resolutions: the units are points
        }
    }
};

QString Words(int count) {
    QStringList words;
    for (int i = 1; i <= count; ++i) words << QStringLiteral("word%1").arg(i);
    return words.join(QLatin1Char(' '));
}

std::vector<PaintedLine> Paint(const PageFlow& flow, RecordedPages& device) {
    QPainter painter(&device);
    flow.Paint(painter, [&] { ++device.engine.page; }, [](QPainter&, int, int) {});
    return device.engine.lines;
}

TEST(PageFlow, AParagraphLongerThanAPageGoesOnLineByLineOnTheNext) {
    EnsureOffscreenGui();
    RecordedPages device;
    const QRectF area(40, 50, 200, 120);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9.5);
    PageFlow flow(device, area, font);
    flow.Heading(QStringLiteral("Reading"));
    flow.Paragraph(Words(150));
    ASSERT_GE(flow.PageCount(), 3);

    const auto lines = Paint(flow, device);
    const QFontMetricsF metrics(font, &device);
    QStringList painted;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const PaintedLine& line = lines[i];
        painted << line.text;
        EXPECT_LE(metrics.horizontalAdvance(line.text), area.width()) << line.text.toStdString();
        EXPECT_EQ(line.baseline.x(), area.left());
        EXPECT_LE(line.baseline.y() + metrics.descent(), area.bottom());
        if (line.page != lines[i - 1].page) {
            EXPECT_DOUBLE_EQ(line.baseline.y(), area.top() + metrics.ascent());
        }
    }
    EXPECT_EQ(painted.join(QLatin1Char(' ')), Words(150));  // every word once, in order
    EXPECT_EQ(lines.back().page, flow.PageCount() - 1);
}

TEST(PageFlow, TextBesideAnAsideUntilItsFootThenAtTheFullWidthOrBelowIt) {
    EnsureOffscreenGui();
    RecordedPages device;
    const QRectF area(40, 50, 300, 600);
    const QFont font(QStringLiteral("DejaVu Sans"), 10);
    const double foot = area.top() + 60;
    PageFlow flow(device, area, font);
    flow.Aside(QSizeF(100, 60), [](QPainter&, const QRectF&) {});
    flow.Paragraph(Words(60));
    flow.Aside(QSizeF(100, 60), [](QPainter&, const QRectF&) {});
    flow.Paragraph(QStringLiteral("beside"));
    flow.BelowAside();
    flow.Paragraph(QStringLiteral("below"));

    const auto lines = Paint(flow, device);
    const double ascent = QFontMetricsF(font, &device).ascent();
    int besideCount = 0;
    QStringList painted;
    for (const PaintedLine& line : lines) {
        if (line.text == QStringLiteral("beside")) break;
        painted << line.text;
        const bool beside = line.baseline.y() - ascent < foot;
        besideCount += beside;
        EXPECT_EQ(line.baseline.x() > area.left() + 100, beside) << line.text.toStdString();
    }
    EXPECT_GE(besideCount, 3);
    EXPECT_LT(besideCount, static_cast<int>(painted.size()));
    EXPECT_EQ(painted.join(QLatin1Char(' ')), Words(60));
    ASSERT_EQ(lines.back().text, QStringLiteral("below"));
    const PaintedLine& beside = lines[lines.size() - 2];
    EXPECT_GT(beside.baseline.x(), area.left() + 100);
    EXPECT_EQ(lines.back().baseline.x(), area.left());
    EXPECT_GE(lines.back().baseline.y() - ascent, beside.baseline.y() - ascent + 60);
}

}  // namespace
}  // namespace grahavani
