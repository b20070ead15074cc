#include "desktop/ui/chart/chart_drawing.h"

#include <QPainter>

#include "desktop/ui/chart/chart_colours.h"
#include "render/fonts.h"
#include "render/twips.h"

namespace grahavani {

namespace {

constexpr std::array<const char*, 12> SignNames = {
    "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

QString IndexedName(const QString& name, std::size_t index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

}  // namespace

ChartDrawing::ChartDrawing(QWidget* parent, const QString& objectName,
                           const QRect& geometryTwips, const QString& boxName,
                           Qt::Alignment boxAlignment, const SignAnchors& boxAnchors,
                           const SignRooms& rooms)
    : QWidget(parent), boxAnchors_(boxAnchors), rooms_(rooms) {
    setObjectName(objectName);
    SetChartColours(*this, ChartGround, ChartText);
    setGeometry(TwipsRect(geometryTwips.x(), geometryTwips.y(), geometryTwips.width(),
                          geometryTwips.height()));
    for (std::size_t sign = 0; sign < signBoxes_.size(); ++sign) {
        auto* box = new SignBox(this, IndexedName(boxName, sign), boxAlignment);
        SetChartColours(*box, ChartGround, ChartText);
        // A screen reader names the box by its sign and reads the bodies as its description.
        box->setAccessibleName(SignWords(sign));
        signBoxes_[sign] = box;
        PlaceSign(sign, sign);
    }
}

void ChartDrawing::AddSignNumbers(const QString& numberName, const SignAnchors& numberAnchors) {
    for (std::size_t region = 0; region < numberAnchors.size(); ++region) {
        auto* number = new SelfSizingLabel(this, IndexedName(numberName, region),
                                           {numberAnchors[region].left, numberAnchors[region].top},
                                           VerdanaFont(8.25));
        SetChartColours(*number, ChartGround, ChartText);
        number->lower();  // the sign boxes stay readable where they grow over a number
        numbers_[region] = number;
        PlaceSign(region, region);
    }
}

void ChartDrawing::PlaceSign(std::size_t sign, std::size_t region) {
    regionOfSign_[sign] = region;
    signBoxes_[sign]->Place(TwipsPoint(boxAnchors_[region].left, boxAnchors_[region].top),
                            SignRoom(sign));
    if (SelfSizingLabel* number = numbers_[region]) {
        number->SetText(QString::number(sign + 1));
        number->setAccessibleDescription(SignWords(sign));
    }
}

QRect ChartDrawing::SignRoom(std::size_t sign) const {
    const TwipsRoom& room = rooms_[regionOfSign_[sign]];
    return TwipsRect(room.left, room.top, room.width, room.height);
}

void ChartDrawing::NameApart(const QString& objectPrefix, const QString& readerPrefix) {
    setObjectName(objectPrefix + objectName());
    for (QWidget* part : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        part->setObjectName(objectPrefix + part->objectName());
    }
    readerPrefix_ = readerPrefix;
    for (std::size_t sign = 0; sign < signBoxes_.size(); ++sign) {
        signBoxes_[sign]->setAccessibleName(SignWords(sign));
        PlaceSign(sign, regionOfSign_[sign]);  // names the number of the sign's region again
    }
}

QString ChartDrawing::SignWords(std::size_t sign) const {
    const QString name = QString::fromLatin1(SignNames[sign]);
    return readerPrefix_.isEmpty() ? name : readerPrefix_ + ' ' + name;
}

void ChartDrawing::SetSignBoxText(std::size_t sign, const QString& text) {
    signBoxes_[sign]->Show(text);
}

void ChartDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ChartGround);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ChartLine, 1));
    painter.translate(0.5, 0.5);
    PaintLines(painter);
}

}  // namespace grahavani
