#include "desktop/ui/chart/chart_drawing.h"

#include <QPainter>

#include "desktop/ui/chart/chart_colours.h"
#include "desktop/ui/widgets/fonts.h"
#include "desktop/ui/widgets/twips.h"

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
                           Qt::Alignment boxAlignment, const SignAnchors& boxAnchors)
    : QWidget(parent) {
    setObjectName(objectName);
    SetChartColours(*this, ChartGround, ChartText);
    setGeometry(TwipsRect(geometryTwips.x(), geometryTwips.y(), geometryTwips.width(),
                          geometryTwips.height()));
    for (std::size_t sign = 0; sign < signBoxes_.size(); ++sign) {
        auto* box = new SelfSizingLabel(
            this, IndexedName(boxName, sign), {boxAnchors[sign].left, boxAnchors[sign].top},
            VerdanaFont(8.25), boxAlignment | Qt::AlignTop);
        SetChartColours(*box, ChartGround, ChartText);
        // A screen reader names the box by its sign and reads the bodies as its description.
        box->setAccessibleName(QString::fromLatin1(SignNames[sign]));
        signBoxes_[sign] = box;
    }
}

void ChartDrawing::AddSignNumbers(const QString& numberName, const SignAnchors& numberAnchors) {
    for (std::size_t sign = 0; sign < numberAnchors.size(); ++sign) {
        auto* number = new SelfSizingLabel(this, IndexedName(numberName, sign),
                                           {numberAnchors[sign].left, numberAnchors[sign].top},
                                           VerdanaFont(8.25));
        SetChartColours(*number, ChartGround, ChartText);
        number->SetText(QString::number(sign + 1));
        number->setAccessibleDescription(QString::fromLatin1(SignNames[sign]));
        number->lower();  // the sign boxes stay readable where they grow over a number
    }
}

void ChartDrawing::SetSignBoxText(std::size_t sign, const QString& text) {
    signBoxes_[sign]->SetText(text);
    signBoxes_[sign]->setAccessibleDescription(text);
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
