#include "desktop/ui/chart/chart_drawing.h"
#include "desktop/ui/language/desktop_translator.h"
#include "desktop/ui/language/keep_translated.h"
#include "model/name_tables.h"
#include "translation/chart_names_in.h"

#include <QPainter>

#include "desktop/ui/chart/chart_colours.h"
#include "render/fonts.h"
#include "render/sign_box_fit.h"
#include "render/twips.h"

namespace grahavani {

namespace {

constexpr std::array<const char*, 12> SignNames = {
    "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

QString IndexedName(const QString& name, std::size_t index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

// A sign number the drawing paints itself; the label is there for the screen reader.
class SignNumber final : public SelfSizingLabel {
public:
    using SelfSizingLabel::SelfSizingLabel;

protected:
    void paintEvent(QPaintEvent*) override {}
};

}  // namespace

ChartDrawing::ChartDrawing(QWidget* parent, const QString& objectName, QPoint positionTwips,
                           ChartStyle style, const QString& boxName, const QString& numberName)
    : QWidget(parent), style_(style), figure_(FigureOf(style)), regionOfSign_(RegionsOfSigns(style, 0)) {
    setObjectName(objectName);
    SetChartColours(*this, ChartGround, ChartText);
    setGeometry(QRect(TwipsPoint(positionTwips.x(), positionTwips.y()), figure_.Size()));
    for (std::size_t sign = 0; sign < signBoxes_.size(); ++sign) {
        auto* box = new SignBox(this, IndexedName(boxName, sign), figure_.boxLinesCentred);
        SetChartColours(*box, ChartGround, ChartText);
        signBoxes_[sign] = box;
    }
    if (figure_.numberAnchors) {
        for (std::size_t region = 0; region < numbers_.size(); ++region) {
            const auto& anchor = (*figure_.numberAnchors)[region];
            auto* number = new SignNumber(this, IndexedName(numberName, region), {anchor.left, anchor.top},
                                          VerdanaFont(DrawingPointSize));
            SetChartColours(*number, ChartGround, ChartText);
            number->lower();  // stacked under the sign boxes, as they are read
            numbers_[region] = number;
        }
    }
    KeepTranslated(*this, [this] { NameSigns(); });
}

void ChartDrawing::PlaceSign(std::size_t sign, std::size_t region) {
    regionOfSign_[sign] = region;
    signBoxes_[sign]->Place(figure_.BoxAnchor(region), SignRoom(sign));
    if (SelfSizingLabel* number = numbers_[region]) {
        number->SetText(QString::number(sign + 1));
        number->setAccessibleDescription(SignWords(sign));
    }
    update();
}

QRect ChartDrawing::SignRoom(std::size_t sign) const { return figure_.Room(regionOfSign_[sign]); }

void ChartDrawing::NameApart(const QString& objectPrefix, const QString& readerPrefix) {
    setObjectName(objectPrefix + objectName());
    for (QWidget* part : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        part->setObjectName(objectPrefix + part->objectName());
    }
    SetReaderPrefix(readerPrefix);
}

void ChartDrawing::SetReaderPrefix(const QString& readerPrefix) {
    readerPrefix_ = readerPrefix;
    NameSigns();
}

void ChartDrawing::NameSigns() {
    for (std::size_t sign = 0; sign < signBoxes_.size(); ++sign) {
        // A screen reader names the box by its sign and reads the bodies as its description.
        signBoxes_[sign]->setAccessibleName(SignWords(sign));
        PlaceSign(sign, regionOfSign_[sign]);  // names the number of the sign's region
    }
}

QString ChartDrawing::SignWords(std::size_t sign) const {
    // The scripts name a sign by its full name, which SignCodeIn gives.
    const Language language = DesktopLanguage();
    const std::string_view scriptName = SignCodeIn(SignAbbreviationList[sign], language);
    const QString name = language == Language::English
                             ? QString::fromLatin1(SignNames[sign])
                             : QString::fromUtf8(scriptName.data(), static_cast<qsizetype>(scriptName.size()));
    return readerPrefix_.isEmpty() ? name : readerPrefix_ + ' ' + name;
}

void ChartDrawing::SetSignBoxText(std::size_t sign, const QString& text) {
    texts_[sign] = text;
    signBoxes_[sign]->Show(text);
    update();
}

void ChartDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintChart(painter, style_, texts_, regionOfSign_, rect());
}

}  // namespace grahavani
