#include "render/horoscope_drawings.h"

#include <algorithm>
#include <vector>

#include <QPainter>

#include "chart/sign_box_texts.h"
#include "model/name_tables.h"
#include "render/chart_painting.h"
#include "render/pdf_document.h"
#include "vargas/ashtakavarga.h"
#include "vargas/varga.h"
#include "translation/chart_names_in.h"
#include "vargas/varga_chart.h"

namespace grahavani {

namespace {

constexpr std::size_t NavamsaVarga = 5;
static_assert(VargaDivisions[NavamsaVarga] == 9);
constexpr int VargasToAPage = 8, VargaColumns = 2;
constexpr int AshtakavargaColumns = 4;
// Points between one row of drawings and the next, and between a title and its drawing.
constexpr double RowGap = 10, TitleGap = 3;

struct TitledDrawing {
    QString title;
    SignTexts texts;
    SignRegions regions;
};

TitledDrawing VargaDrawing(const Horoscope& h, const QString& title, std::size_t varga) {
    const SignBoxLines boxes = SignBoxTexts(ChartInVarga(h.Chart, VargaDivisions[varga]), h.Language);
    const std::size_t topSign = h.LagnaAtTop ? MarkedLagna(boxes, h.Language).value_or(0) : 0;
    return {title, SignTextsOf(boxes), RegionsOfSigns(h.Style, topSign)};
}

// Rows of `columns` drawings `side` points square, each under its title, the row centred.
void DrawingRows(PageFlow& flow, ChartStyle style, const std::vector<TitledDrawing>& drawings, int columns,
                 double side) {
    QFont titleFont = DocumentFont();
    titleFont.setBold(true);
    const double titleHeight = flow.LineHeight() + TitleGap;
    const double cell = flow.AreaWidth() / columns;
    for (std::size_t first = 0; first < drawings.size(); first += static_cast<std::size_t>(columns)) {
        const std::size_t end = std::min(drawings.size(), first + static_cast<std::size_t>(columns));
        const std::vector<TitledDrawing> row(drawings.begin() + static_cast<std::ptrdiff_t>(first),
                                             drawings.begin() + static_cast<std::ptrdiff_t>(end));
        flow.Block(titleHeight + side, [=](QPainter& painter, const QRectF& rect) {
            const double indent = (rect.width() - cell * static_cast<double>(row.size())) / 2;
            for (std::size_t i = 0; i < row.size(); ++i) {
                const double left = rect.left() + indent + cell * static_cast<double>(i) + (cell - side) / 2;
                painter.setFont(titleFont);
                painter.setPen(Qt::black);
                painter.drawText(QRectF(left, rect.top(), side, titleHeight), Qt::AlignHCenter | Qt::AlignTop,
                                 row[i].title);
                PaintChart(painter, style, row[i].texts, row[i].regions,
                           QRectF(left, rect.top() + titleHeight, side, side));
            }
        });
        flow.Space(RowGap);
    }
}

// The side of the drawings that lets `rows` rows of them fill the rest of the page, no wider
// than the columns.
double SideFilling(const PageFlow& flow, int rows, int columns) {
    const double titleHeight = flow.LineHeight() + TitleGap;
    const double tall = (flow.RoomLeftOnPage() - 1) / rows - titleHeight - RowGap;
    return std::min(tall, flow.AreaWidth() / columns - RowGap);
}

}  // namespace

void VargaDrawingPages(PageFlow& flow, const Horoscope& h) {
    const auto title = [&h](std::string_view english) {
        return DocumentText(h.Language, "render/horoscope_drawings.cpp VargaDrawingPages", english);
    };
    flow.NewPage();
    DrawingRows(flow, h.Style,
                {VargaDrawing(h, title("Rasi (D1)"), 0), VargaDrawing(h, title("Navamsa (D9)"), NavamsaVarga)}, 1,
                SideFilling(flow, 2, 1));
    std::vector<TitledDrawing> vargas;
    for (std::size_t varga = 0; varga < VargaDivisions.size(); ++varga) {
        vargas.push_back(VargaDrawing(h, DocumentText(VargaTitle(varga, h.Language)), varga));
    }
    for (std::size_t first = 0; first < vargas.size(); first += VargasToAPage) {
        flow.NewPage();
        const auto begin = vargas.begin() + static_cast<std::ptrdiff_t>(first);
        const auto end = vargas.begin() + static_cast<std::ptrdiff_t>(std::min(vargas.size(), first + VargasToAPage));
        DrawingRows(flow, h.Style, std::vector<TitledDrawing>(begin, end), VargaColumns,
                    SideFilling(flow, VargasToAPage / VargaColumns, VargaColumns));
    }
}

void AshtakavargaDrawings(PageFlow& flow, const Horoscope& h) {
    const Ashtakavarga bindus = ComputeAshtakavarga(h.Chart);
    std::vector<TitledDrawing> grids;
    const auto grid = [&](const QString& name, const SignBindus& counts) {
        TitledDrawing drawing{{}, {}, RegionsOfSigns(h.Style, 0)};
        int total = 0;
        for (std::size_t sign = 0; sign < counts.size(); ++sign) {
            drawing.texts[sign] = QString::number(counts[sign]);
            total += counts[sign];
        }
        drawing.title = QStringLiteral("%1 %2").arg(name).arg(total);
        grids.push_back(drawing);
    };
    for (std::size_t planet = 0; planet < AshtakavargaPlanets.size(); ++planet) {
        grid(DocumentText(BodyNameIn(BodyNames[AshtakavargaPlanets[planet]], h.Language)), bindus.Bhinna[planet]);
    }
    grid(DocumentText(h.Language, "render/horoscope_drawings.cpp AshtakavargaDrawings", "Sarva"), bindus.Sarva);
    DrawingRows(flow, h.Style, grids, AshtakavargaColumns, flow.AreaWidth() / AshtakavargaColumns - RowGap);
}

}  // namespace grahavani
