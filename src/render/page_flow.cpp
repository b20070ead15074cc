#include "render/page_flow.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>

namespace grahavani {

namespace {

// Points between a table's columns, and between an aside and its texts.
constexpr double ColumnGap = 10;
constexpr double AsideGap = 14;

}  // namespace

PageFlow::PageFlow(const QPaintDevice& device, QRectF area, QFont font)
    : device_(device), area_(area), font_(font), bold_(font), large_(font), y_(area.top()), pages_(1) {
    bold_.setBold(true);
    large_.setBold(true);
    large_.setPointSizeF(font.pointSizeF() * 1.6);
}

double PageFlow::LineHeight() const {
    return QFontMetricsF(font_, &device_).lineSpacing();
}

void PageFlow::KeepTogether(double points) {
    if (y_ + points > area_.bottom() && y_ > area_.top()) NewPage();
}

void PageFlow::NewPage() {
    pages_.emplace_back();
    y_ = area_.top();
    asideFoot_ = 0;
}

double PageFlow::Left() const { return y_ < asideFoot_ ? area_.left() + asideWidth_ : area_.left(); }

double PageFlow::Width() const { return area_.right() - Left(); }

void PageFlow::Space(double points) {
    y_ += points;
}

void PageFlow::Block(double height, std::function<void(QPainter&, const QRectF&)> paint) {
    KeepTogether(height);
    const QRectF rect(area_.left(), y_, area_.width(), height);
    pages_.back().push_back([paint = std::move(paint), rect](QPainter& painter) { paint(painter, rect); });
    Space(height);
}

void PageFlow::Paragraph(const QString& text, bool bold) {
    const QFont& font = bold ? bold_ : font_;
    const QFontMetricsF metrics(font, &device_);
    const double height = metrics.lineSpacing();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& piece : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(piece, font, &device_);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            KeepTogether(height);
            line.setLineWidth(Width());
            const QString shown = piece.mid(line.textStart(), line.textLength()).trimmed();
            const QPointF baseline(Left(), y_ + metrics.ascent());
            pages_.back().push_back([shown, font, baseline](QPainter& painter) {
                painter.setFont(font);
                painter.drawText(baseline, shown);
            });
            Space(height);
        }
        layout.endLayout();
    }
}

void PageFlow::Aside(QSizeF size, std::function<void(QPainter&, const QRectF&)> paint) {
    KeepTogether(size.height());
    const QRectF rect(QPointF(area_.left(), y_), size);
    pages_.back().push_back([paint = std::move(paint), rect](QPainter& painter) { paint(painter, rect); });
    asideFoot_ = rect.bottom();
    asideWidth_ = size.width() + AsideGap;
}

void PageFlow::BelowAside() {
    y_ = std::max(y_, asideFoot_);
    asideFoot_ = 0;
}

void PageFlow::Text(const QString& text, const QFont& font, double x, double width) {
    const QFontMetricsF metrics(font, &device_);
    const QString shown = metrics.elidedText(text, Qt::ElideRight, width);
    const QPointF baseline(x, y_ + metrics.ascent());
    pages_.back().push_back([shown, font, baseline](QPainter& painter) {
        painter.setFont(font);
        painter.drawText(baseline, shown);
    });
}

void PageFlow::Title(const QString& text) {
    const double height = QFontMetricsF(large_, &device_).lineSpacing();
    KeepTogether(height);
    Text(text, large_, Left(), Width());
    Space(height * 1.3);
}

void PageFlow::Heading(const QString& text) {
    const double height = QFontMetricsF(bold_, &device_).lineSpacing();
    KeepTogether(height * 3);  // never a heading alone at a page's foot
    Space(height * 0.5);
    Text(text, bold_, Left(), Width());
    Space(height * 1.2);
}

void PageFlow::Field(const QString& caption, const QString& value) {
    Row({caption, value}, {0.32, 0.68});
}

void PageFlow::Row(const QStringList& cells, const std::vector<double>& widths, bool header) {
    const QFont& font = header ? bold_ : font_;
    const double height = QFontMetricsF(font, &device_).lineSpacing();
    KeepTogether(height);
    double x = Left();
    const double rowWidth = Width();
    for (qsizetype i = 0; i < cells.size() && i < static_cast<qsizetype>(widths.size()); ++i) {
        const double width = widths[static_cast<std::size_t>(i)] * rowWidth;
        Text(cells[i], font, x, width - 4);
        x += width;
    }
    Space(height);
}

void PageFlow::Cells(const QStringList& cells, const std::vector<double>& lefts, const QFont& font) {
    const double height = QFontMetricsF(font, &device_).lineSpacing();
    KeepTogether(height);
    for (qsizetype i = 0; i < cells.size() && i < static_cast<qsizetype>(lefts.size()); ++i) {
        const double left = lefts[static_cast<std::size_t>(i)];
        const double right = i + 1 < static_cast<qsizetype>(lefts.size()) ? lefts[static_cast<std::size_t>(i) + 1]
                                                                          : area_.right() + ColumnGap;
        Text(cells[i], font, left, right - left);
    }
    Space(height);
}

void PageFlow::Table(const QStringList& header, const std::vector<TableRow>& rows) {
    QFont font = font_;
    QFont bold = bold_;
    std::vector<double> widths;
    for (int step = 0; step < 8; ++step) {
        const QFontMetricsF plain(font, &device_), strong(bold, &device_);
        widths.assign(static_cast<std::size_t>(header.size()), 0);
        const auto widen = [&](const QStringList& cells, const QFontMetricsF& metrics) {
            for (qsizetype i = 0; i < cells.size(); ++i) {
                if (widths.size() <= static_cast<std::size_t>(i)) widths.push_back(0);
                double& width = widths[static_cast<std::size_t>(i)];
                width = std::max(width, metrics.horizontalAdvance(cells[i]));
            }
        };
        widen(header, strong);
        for (const TableRow& row : rows) widen(row.Cells, row.Bold ? strong : plain);
        double total = 0;
        for (const double width : widths) total += width + ColumnGap;
        if (total - ColumnGap <= Width()) break;
        font.setPointSizeF(font.pointSizeF() * 0.92);
        bold.setPointSizeF(bold.pointSizeF() * 0.92);
    }
    std::vector<double> lefts;
    double x = Left();
    for (const double width : widths) {
        lefts.push_back(x);
        x += width + ColumnGap;
    }
    const double height = QFontMetricsF(font, &device_).lineSpacing();
    if (!header.isEmpty()) {
        KeepTogether(height * 3);
        Cells(header, lefts, bold);
    }
    for (const TableRow& row : rows) {
        KeepTogether(height * (1 + row.KeepWithNext));
        Cells(row.Cells, lefts, row.Bold ? bold : font);
    }
}

void PageFlow::Paint(QPainter& painter, const std::function<void()>& newPage,
                     const std::function<void(QPainter&, int page, int pages)>& footer) const {
    for (std::size_t page = 0; page < pages_.size(); ++page) {
        if (page > 0) newPage();
        for (const PaintStep& paint : pages_[page]) paint(painter);
        footer(painter, static_cast<int>(page) + 1, PageCount());
    }
}

}  // namespace grahavani
