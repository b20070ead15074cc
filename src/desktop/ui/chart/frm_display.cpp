#include "desktop/ui/chart/frm_display.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>

#include "desktop/ui/chart/chart_colours.h"
#include "desktop/ui/chart/east_indian_chart.h"
#include "render/fonts.h"
#include "chart/header_lines.h"
#include "desktop/ui/language/desktop_translator.h"
#include "desktop/ui/language/keep_translated.h"
#include "texts/position_text_in.h"
#include "translation/chart_names_in.h"
#include "desktop/ui/reading/ashtakavarga_tab.h"
#include "desktop/ui/reading/interpretation_view.h"
#include "desktop/ui/chart/north_indian_chart.h"
#include "desktop/ui/widgets/fitted_font.h"
#include "desktop/ui/widgets/self_sizing_label.h"
#include "chart/sign_box_texts.h"
#include "desktop/ui/chart/south_indian_chart.h"
#include "render/twips.h"
#include "vargas/varga.h"
#include "vargas/varga_chart.h"

namespace grahavani {

namespace {

// Black on white, filled, whatever the desktop's scheme.
void MakeWhite(QWidget* widget) {
    SetChartColours(*widget, ChartPaper, ChartText);
    widget->setAutoFillBackground(true);
}

// White and filled; the interpretation's tabs on it keep the desktop's text colours.
void MakeWhiteGround(QWidget* widget) {
    SetChartGround(*widget, ChartPaper);
    widget->setAutoFillBackground(true);
}

QFrame* MakeFrame(QWidget* parent, const QString& name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(TwipsRect(840, 0, 13575, 6735));
    return frame;
}

QGroupBox* MakePanel(QWidget* parent, const QString& name, const char* caption,
                     const QRect& twips) {
    auto* panel = new QGroupBox(parent);
    KeepTranslated(*panel, [panel, caption] { panel->setTitle(frmDisplay::tr(caption)); });
    panel->setObjectName(name);
    panel->setFont(VerdanaFont(8.25, true));
    panel->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    MakeWhite(panel);
    return panel;
}

// A bordered white cell of the details panel or the position table.
// The details' and positions' cells: their box and a little room inside it.
constexpr double CellPointSize = 9.75;
constexpr int CellMarginPixels = 6;

QLabel* MakeCell(QWidget* panel, const QString& name, const QString& text, const QRect& twips) {
    auto* cell = new QLabel(text, panel);
    cell->setObjectName(name);
    cell->setTextFormat(Qt::PlainText);
    cell->setFrameShape(QFrame::Box);
    cell->setLineWidth(1);
    cell->setFont(VerdanaFont(CellPointSize));
    cell->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    cell->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    FitFontToWidth(*cell, text, CellPointSize, CellMarginPixels);
    MakeWhite(cell);
    return cell;
}

QString Text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// A value cell is named by, and labelled by, its caption cell; a screen reader reads the
// value as its description.
void ShowValue(QLabel* cell, const QString& value) {
    FitFontToWidth(*cell, value, CellPointSize, CellMarginPixels);
    cell->setText(value);
    cell->setAccessibleDescription(value);
}

// The caption cell shows the English source in the reader's language and names its value cell.
void NameCells(QLabel& caption, QLabel& value, const char* source) {
    caption.setBuddy(&value);
    KeepTranslated(caption, [&caption, &value, source] {
        const QString text = frmDisplay::tr(source);
        FitFontToWidth(caption, text, CellPointSize, CellMarginPixels);
        caption.setText(text);
        value.setAccessibleName(text);
    });
}

}  // namespace

frmDisplay::frmDisplay(QWidget* parent) : QWidget(parent) {
    setObjectName("frmDisplay");
    setFixedSize(TwipsSize(14715, 6840));
    setFont(VerdanaFont(8.25));
    MakeWhiteGround(this);

    fraChart = MakeFrame(this, "fraChart");
    MakeWhite(fraChart);
    fraInterpretation = MakeFrame(this, "fraInterpretation");
    MakeWhiteGround(fraInterpretation);
    fraInterpretation->hide();
    interpretation_ = new InterpretationView(fraInterpretation);
    auto* interpretationLayout = new QVBoxLayout(fraInterpretation);
    interpretationLayout->setContentsMargins(0, 0, 0, 0);
    interpretationLayout->addWidget(interpretation_);

    north_ = new NorthIndianChart(fraChart);
    drawings_ = {north_, new SouthIndianChart(fraChart), new EastIndianChart(fraChart)};
    BuildHeader();
    BuildDetailsPanel();
    BuildPositionTable();
    lblChartEphemeris = new SelfSizingLabel(fraChart, "lblChartEphemeris", {360, 240},
                                            VerdanaFont(8.25, true));
    SetChartColours(*lblChartEphemeris, ChartPaper, ChartText);
    lblChartCaption = new SelfSizingLabel(fraChart, "lblChartCaption", {360, 540},
                                          VerdanaFont(8.25, true));
    SetChartColours(*lblChartCaption, ChartPaper, ChartText);
}

void frmDisplay::BuildHeader() {
    static constexpr std::array<const char*, 8> Names = {
        "lblName", "lblCity", "lblState", "lblCountry",
        "lblDOB", "lblTOB", "lblLatitude", "lblLongitude"};
    static constexpr std::array<int, 8> Tops = {1080, 1425, 1770, 2100, 2445, 2790, 3135, 3480};
    for (std::size_t line = 0; line < headerLines_.size(); ++line) {
        headerLines_[line] = new SelfSizingLabel(fraChart, Names[line], {6000, Tops[line]},
                                                 VerdanaFont(8.25, true));
        SetChartColours(*headerLines_[line], ChartPaper, ChartText);
    }
}

void frmDisplay::BuildDetailsPanel() {
    static constexpr std::array<const char*, 6> Captions = {
        QT_TR_NOOP("Ayanamsa"),        QT_TR_NOOP("Lagna / Asc"), QT_TR_NOOP("Nakshatra"),
        QT_TR_NOOP("Rashi/Moon Sign"), QT_TR_NOOP("Pada"),
        //: The lord of the Moon's nakshatra.
        QT_TR_NOOP("Lord")};
    static constexpr std::array<const char*, 6> Names = {
        "lblAyanamsha", "lblLagna", "lblNakshatra", "lblRashi", "lblPada", "lblLord"};
    static constexpr std::array<int, 6> Tops = {300, 670, 1050, 1425, 1785, 2160};
    QGroupBox* panel =
        MakePanel(fraChart, "fraVedic", QT_TR_NOOP("Other Vedic Details"), {6000, 3870, 3705, 2565});
    for (std::size_t row = 0; row < detailValues_.size(); ++row) {
        QLabel* caption = MakeCell(panel, QString(), QString(), {120, Tops[row], 1740, 270});
        detailValues_[row] = MakeCell(panel, Names[row], QString(), {1860, Tops[row], 1740, 270});
        NameCells(*caption, *detailValues_[row], Captions[row]);
    }
}

void frmDisplay::BuildPositionTable() {
    static constexpr std::array<const char*, 9> BodyCaptions = {
        QT_TR_NOOP("Surya / Sun"),       QT_TR_NOOP("Chandra / Moon"),   QT_TR_NOOP("Budha / Mercury"),
        QT_TR_NOOP("Shukra / Venus"),    QT_TR_NOOP("Mangala / Mars"),   QT_TR_NOOP("Guru / Jupiter"),
        QT_TR_NOOP("Shani / Saturn"),    QT_TR_NOOP("Rahu / North Node"), QT_TR_NOOP("Ketu / South Node")};
    static constexpr std::array<int, 9> Tops = {300, 615, 945, 1275, 1590, 1920, 2250, 2565, 2895};
    QGroupBox* table =
        MakePanel(fraChart, "fraWestern", QT_TR_NOOP("Vedic Planetary Position"), {9840, 3150, 3600, 3285});
    for (std::size_t body = 0; body < positionCells_.size(); ++body) {
        QLabel* caption = MakeCell(table, QStringLiteral("PlanetName(%1)").arg(body), QString(),
                                   {150, Tops[body], 1935, 285});
        positionCells_[body] = MakeCell(table, QStringLiteral("Planet(%1)").arg(body), QString(),
                                        {2070, Tops[body], 1365, 285});
        NameCells(*caption, *positionCells_[body], BodyCaptions[body]);
    }
}

void frmDisplay::FillHeader(const BirthRecord& birth) {
    const auto lines = HeaderLines(birth, DesktopLanguage());
    for (std::size_t line = 0; line < lines.size(); ++line) {
        headerLines_[line]->SetText(Text(lines[line]));
    }
}

void frmDisplay::FillDetails(const ChartResult& chart) {
    const Language language = DesktopLanguage();
    const std::array<QString, 6> details = {
        Text(chart.AyanamsaDisplay),
        Text(LagnaNameIn(chart.LagnaName, language)),
        Text(NakshatraNameIn(chart.MoonNakshatra, language)),
        Text(RashiNameIn(chart.MoonRashi, language)),
        Text(chart.NakshatraPada),
        Text(BodyNameIn(chart.NakshatraLord, language))};
    for (std::size_t row = 0; row < details.size(); ++row) ShowValue(detailValues_[row], details[row]);
    for (std::size_t body = 0; body < positionCells_.size(); ++body) {
        QString position = Text(PositionTextIn(language, chart.PositionTexts[body]));
        //: Follows the position of a retrograde body, in a narrow cell.
        if (chart.Retrograde[body]) position += ' ' + tr("R");
        ShowValue(positionCells_[body], position);
    }
}

void frmDisplay::FillSignBoxes(const ChartResult& chart) {
    chart_ = chart;
    ShowSignBoxes();
}

void frmDisplay::ShowVarga(std::size_t varga) {
    if (varga >= VargaDivisions.size()) return;  // no such varga: the boxes stay
    varga_ = varga;
    ShowSignBoxes();
}

void frmDisplay::ShowLagnaAtTop(bool atTop) {
    lagnaAtTop_ = atTop;
    ShowSignBoxes();
}

void frmDisplay::ShowSignBoxes() {
    SignBoxLines boxes;
    const Language language = DesktopLanguage();
    if (chart_) boxes = SignBoxTexts(ChartInVarga(*chart_, VargaDivisions[varga_]), language);
    north_->ShowTopSign(lagnaAtTop_ ? MarkedLagna(boxes, language).value_or(0) : 0);
    const SignTexts texts = SignTextsOf(boxes);
    for (std::size_t sign = 0; sign < texts.size(); ++sign) {
        for (ChartDrawing* drawing : drawings_) drawing->SetSignBoxText(sign, texts[sign]);
    }
}

void frmDisplay::ShowEphemeris(const QString& caption) { lblChartEphemeris->SetText(caption); }

void frmDisplay::ShowCaption(const QString& caption) { lblChartCaption->SetText(caption); }

void frmDisplay::ClearChartTexts() {
    for (QLabel* cell : detailValues_) ShowValue(cell, QString());
    for (QLabel* cell : positionCells_) ShowValue(cell, QString());
    chart_.reset();
    ShowSignBoxes();
}

void frmDisplay::BringChartToFront() {
    fraInterpretation->hide();
    fraChart->show();
    fraChart->raise();
}

void frmDisplay::BringInterpretationToFront() {
    fraChart->hide();
    fraInterpretation->show();
    fraInterpretation->raise();
}

void frmDisplay::ShowDrawing(ChartStyle style) {
    for (std::size_t index = 0; index < drawings_.size(); ++index) {
        drawings_[index]->setVisible(index == static_cast<std::size_t>(style));
    }
    interpretation_->AshtakavargaPage().ShowStyle(style);
}

}  // namespace grahavani
