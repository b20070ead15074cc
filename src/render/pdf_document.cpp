#include "render/pdf_document.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "translation/translated.h"

namespace grahavani {

namespace {

// Points from the paper's edges to the text, and from the bottom edge to the footer's baseline.
constexpr double Margin = 48;
constexpr double FooterBaseline = 28;

}  // namespace

QFont DocumentFont() {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Lohit Devanagari"), QStringLiteral("Noto Sans Tamil")});
    font.setPointSizeF(9.5);
    return font;
}

QString DocumentText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString DocumentText(Language language, std::string_view context, std::string_view english) {
    return DocumentText(Translated(language, context, english));
}

std::string PdfDocument(Paper paper, Language language, const QString& title, const QString& footerName,
                        const std::function<void(PageFlow&)>& fill) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(72);  // the painter's units are points
    writer.setPageLayout(QPageLayout(QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter),
                                     QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(title);
    writer.setCreator(DocumentText(ProgramName));

    const QSizeF page = writer.pageLayout().fullRectPoints().size();
    const QFont font = DocumentFont();
    PageFlow flow(writer, QRectF(Margin, Margin, page.width() - 2 * Margin, page.height() - 2 * Margin), font);
    fill(flow);

    const QString pageOf = DocumentText(language, "render/pdf_document.cpp PdfDocument", "Page %1 of %2");
    QPainter painter(&writer);
    flow.Paint(painter, [&] { writer.newPage(); }, [&](QPainter& p, int number, int pages) {
        p.setFont(font);
        p.drawText(QRectF(Margin, page.height() - FooterBaseline - 12, page.width() - 2 * Margin, 16),
                   Qt::AlignHCenter | Qt::AlignBottom,
                   QStringLiteral("%1 · %2 · %3")
                       .arg(DocumentText(ProgramName), footerName, pageOf.arg(number).arg(pages)));
    });
    painter.end();
    return bytes.toStdString();
}

}  // namespace grahavani
