#pragma once
// Text and tables flowing down the pages of a document, a new page where the next block does
// not fit. Laid out first and painted after, so every page's footer can say how many there are.
// A paragraph wraps to the width; every other text is one line, shortened with "…" to fit.

#include <functional>
#include <vector>

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace grahavani {

class PageFlow {
public:
    // `area` is the part of each page text may fill, in the device's units (points here);
    // `device` gives the fonts' metrics.
    PageFlow(const QPaintDevice& device, QRectF area, QFont font);

    void Title(const QString& text);
    void Heading(const QString& text);
    // A caption and its value on one line.
    void Field(const QString& caption, const QString& value);
    // One row of cells at the given widths (fractions of the area's width); a header row bold.
    void Row(const QStringList& cells, const std::vector<double>& widths, bool header = false);
    struct TableRow {
        QStringList Cells;
        bool Bold = false;
        int KeepWithNext = 0;  // rows after it that stay on its page
    };
    // Rows under a bold header row (none where it is empty), each column as wide as its widest
    // cell, the font made smaller where the columns would not fit the width.
    void Table(const QStringList& header, const std::vector<TableRow>& rows);
    // A block `height` points tall across the area, on this page if it fits; `paint` is given
    // its rectangle on the page.
    void Block(double height, std::function<void(QPainter&, const QRectF&)> paint);
    // Text wrapped at spaces to the width, its line breaks kept, line by line down the pages:
    // a page breaks only between lines.
    void Paragraph(const QString& text, bool bold = false);
    // A block of `size` at the area's left, on this page if it fits; the texts after it are
    // set to its right, narrowed, until they pass its foot or the page ends.
    void Aside(QSizeF size, std::function<void(QPainter&, const QRectF&)> paint);
    // The next text starts below the aside, at the area's full width.
    void BelowAside();
    double AreaWidth() const { return area_.width(); }
    double RoomLeftOnPage() const { return area_.bottom() - y_; }
    void Space(double points);
    // Keeps the next `points` on one page: breaks first if they would not fit.
    void KeepTogether(double points);
    void NewPage();

    double LineHeight() const;
    int PageCount() const { return static_cast<int>(pages_.size()); }

    // Paints every page, starting each after the first with `newPage`, and gives the footer
    // of page N (from 1) of the count to `footer` while painting it.
    void Paint(QPainter& painter, const std::function<void()>& newPage,
               const std::function<void(QPainter&, int page, int pages)>& footer) const;

private:
    using PaintStep = std::function<void(QPainter&)>;
    void Text(const QString& text, const QFont& font, double x, double width);
    void Cells(const QStringList& cells, const std::vector<double>& lefts, const QFont& font);
    // Where a text line starting at the current height may begin, and how wide it may be.
    double Left() const;
    double Width() const;

    const QPaintDevice& device_;
    QRectF area_;
    QFont font_;
    QFont bold_;
    QFont large_;
    double y_ = 0;
    double asideFoot_ = 0;   // the aside's foot on the current page; above the area when none
    double asideWidth_ = 0;  // with the gap to its texts
    std::vector<std::vector<PaintStep>> pages_;
};

}  // namespace grahavani
