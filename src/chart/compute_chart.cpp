#include "chart/compute_chart.h"

#include "engines/classic/ascendant.h"
#include "engines/classic/planets.h"
#include "model/name_tables.h"
#include "model/reference_tables.h"
#include "model/text_utilities.h"
#include "engines/classic/moon.h"

namespace grahavani {

void ComputeChart(const BirthRecord& birth, ChartResult& chart) {
    // The planets reuse the ascendant's ayanamsa, and the position list needs the Moon.
    ComputeAscendant(birth, chart);
    ComputeMoon(birth, chart);
    ComputePlanets(birth, chart);

    chart.AyanamsaDisplay = chart.AyanamsaText.substr(chart.AyanamsaText.empty() ? 0 : 1);
    chart.LagnaSign = std::string(LastCharacters(chart.AscendantText, 3));

    for (std::size_t sign = 0; sign < SignAbbreviationList.size(); ++sign) {
        if (SignAbbreviationList[sign] == chart.LagnaSign) {
            chart.LagnaName = LagnaNames[sign];
            LookupNakshatraLord(chart);
            break;
        }
    }
}

}  // namespace grahavani
