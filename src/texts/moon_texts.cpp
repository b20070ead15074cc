#include "texts/moon_texts.h"

#include <cmath>
#include <string_view>

#include "texts/position_texts.h"
#include "model/name_tables.h"
#include "model/text_utilities.h"
#include "model/vedic_names.h"

namespace grahavani {

void WriteMoonTexts(double sidereal, ChartResult& chart) {
    chart.MoonPositionText = FormatSignPosition(sidereal);

    const double mansion = std::floor(sidereal * 60 / 800);
    if (mansion >= 0 && mansion < 27) {
        chart.MoonNakshatra = NakshatraNames[static_cast<std::size_t>(mansion)];
    }

    const std::string_view sign = LastCharacters(TrimBlanks(chart.MoonPositionText), 3);
    for (std::size_t s = 0; s < SignAbbreviationList.size(); ++s) {
        if (SignAbbreviationList[s] == sign) {
            chart.MoonRashi = RashiNames[s];
            break;
        }
    }
}

}  // namespace grahavani
