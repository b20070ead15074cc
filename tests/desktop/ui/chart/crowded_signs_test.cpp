#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include <QFontMetrics>

#include "desktop/ui/chart/east_indian_chart.h"
#include "desktop/ui/chart/north_indian_chart.h"
#include "desktop/ui/chart/south_indian_chart.h"
#include "tests/desktop/ui/session_fixture.h"

namespace grahavani::test {
namespace {

// The most one sign can hold: the lagna and eight bodies (Rahu and Ketu never share a
// sign), the widest names retrograde; in English, Hindi and Tamil.
const QString Stelliums[] = {
    QStringLiteral("Asc\nSurya\nChandra\nBudha R\nShukra R\nMangala R\nGuru R\nShani R\nKetu"),
    QStringLiteral("लग्न\nसूर्य\nचंद्र\nबुध (व)\nशुक्र (व)\nमंगल (व)\nगुरु (व)\nशनि (व)\nकेतु"),
    QStringLiteral("லக்னம்\nசூரியன்\nசந்திரன்\nபுதன் (வ)\nசுக்கிரன் (வ)\nசெவ்வாய் (வ)\nகுரு (வ)\nசனி (வ)\nகேது")};

struct Drawings {
    QWidget frame;
    NorthIndianChart* north = new NorthIndianChart(&frame);
    std::vector<ChartDrawing*> all = {north, new SouthIndianChart(&frame),
                                      new EastIndianChart(&frame)};
};

TEST(CrowdedSigns, NoTwoRoomsMeetAndAllLieInTheirDrawing) {
    Drawings drawings;
    for (ChartDrawing* drawing : drawings.all) {
        for (std::size_t sign = 0; sign < 12; ++sign) {
            const QRect room = drawing->SignRoom(sign);
            EXPECT_TRUE(drawing->rect().contains(room)) << drawing->objectName().toStdString() << sign;
            for (std::size_t other = sign + 1; other < 12; ++other) {
                EXPECT_FALSE(room.intersects(drawing->SignRoom(other)))
                    << drawing->objectName().toStdString() << " " << sign << " and " << other;
            }
        }
    }
}

// Every line of the box, at the font it was given, within the box, and the box within the
// room; checked for every sign of every drawing, and with the North drawing turned.
TEST(CrowdedSigns, AStelliumStaysInsideItsRoom) {
    Drawings drawings;
    for (const std::size_t topSign : {std::size_t{0}, std::size_t{7}}) {
        drawings.north->ShowTopSign(topSign);
        for (ChartDrawing* drawing : drawings.all) {
            for (std::size_t sign = 0; sign < 12; ++sign) {
                for (const QString& stellium : Stelliums) {
                    drawing->SetSignBoxText(sign, stellium);
                    const SignBox& box = drawing->Box(sign);
                    const std::string where = drawing->objectName().toStdString() + " sign " + std::to_string(sign) +
                                              " top " + std::to_string(topSign) + " " + stellium.toStdString();
                    EXPECT_TRUE(drawing->SignRoom(sign).contains(box.geometry())) << where;
                    const QFontMetrics metrics(box.font());
                    const QStringList lines = stellium.split('\n');
                    const qsizetype rows = (lines.size() + box.Columns() - 1) / box.Columns();
                    int widest[2] = {0, 0};
                    for (qsizetype line = 0; line < lines.size(); ++line) {
                        int& column = widest[line < rows ? 0 : 1];
                        column = std::max(column, metrics.horizontalAdvance(lines[line]));
                    }
                    EXPECT_LE(widest[0] + widest[1], box.width()) << where;
                    EXPECT_LE(rows * metrics.lineSpacing(), box.height()) << where;
                    EXPECT_EQ(box.text(), stellium) << where << ": the screen reader reads every line";
                    drawing->SetSignBoxText(sign, QString());
                }
            }
        }
    }
}

TEST(CrowdedSigns, OrdinaryBoxesKeepTheirAnchorAndFont) {
    Drawings drawings;
    for (ChartDrawing* drawing : drawings.all) {
        for (std::size_t sign = 0; sign < 12; ++sign) {
            const QPoint anchor = drawing->Box(sign).pos();
            drawing->SetSignBoxText(sign, QStringLiteral("Asc\nSurya\nBudha R"));
            const SignBox& box = drawing->Box(sign);
            const std::string where = drawing->objectName().toStdString() + std::to_string(sign);
            EXPECT_EQ(box.pos(), anchor) << where;
            EXPECT_EQ(box.Columns(), 1) << where;
            EXPECT_EQ(box.font().pointSizeF(), 8.25) << where;
        }
    }
}

// At sunrise on 5 February 1962 the Sun, Moon, five planets and Ketu stood in Capricorn
// with the lagna (as the position table of the classic engine shows it).
class CrowdedChartTest : public SessionTest {};

TEST_F(CrowdedChartTest, TheStelliumOf1962FitsTheTopRhombus) {
    settings.setValue("Chart/LagnaAtTop", "true");
    EnterDelhi1947();
    Pick("cboDate", "5");
    Pick("cboMonth", "February");
    Pick("cboYear", "1962");
    Pick("cboHour", "6");
    Pick("cboMinute", "30");
    Click("cmdCalculate");
    for (const char* name : {"picNorthRasi", "picSouthRasi", "picRashiEast"}) {
        const ChartDrawing* drawing = OnMainWindow<ChartDrawing>(name);
        ASSERT_TRUE(drawing);
        EXPECT_EQ(drawing->Box(9).text(),
                  "Asc\nSurya\nChandra\nBudha\nShukra\nMangala\nGuru\nShani\nKetu");
        EXPECT_TRUE(drawing->SignRoom(9).contains(drawing->Box(9).geometry())) << name;
    }
    EXPECT_EQ(Text("lblNorthPosition(0)"), "10") << "Capricorn in the top rhombus";
}

}  // namespace
}  // namespace grahavani::test
