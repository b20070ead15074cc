#include "chart/compute_chart.h"

#include <string>

#include "chart/nakshatra_quarter.h"
#include "texts/longitude_texts.h"
#include "engines/classic/classic_engine.h"
#include "engines/precise/precise_engine.h"
#include "model/name_tables.h"
#include "model/reference_tables.h"
#include "model/text_utilities.h"

namespace grahavani {

void ComputeChart(const BirthRecord& birth, ChartResult& chart, const ChartOptions& options) {
    chart.EphemerisNotice.clear();  // only the precise engine reads files
    if (options.engine == Engine::Precise) {
        ComputePreciseEngine(birth, options, chart);
        WriteLongitudeTexts(chart);
    } else {
        ComputeClassicEngine(birth, options, chart);
        chart.AyanamsaName = ClassicAyanamsaName;
    }

    // The amount without its sign: an ayanamsa under 1 degree is written without a minus.
    const bool negative = chart.AyanamsaText.starts_with('-');
    chart.AyanamsaDisplay = chart.AyanamsaText.substr(negative ? 1 : 0);
    chart.LagnaSign = std::string(LastCharacters(chart.AscendantText, 3));

    for (std::size_t sign = 0; sign < SignAbbreviationList.size(); ++sign) {
        if (SignAbbreviationList[sign] == chart.LagnaSign) {
            chart.LagnaName = LagnaNames[sign];
            LookupNakshatraLord(chart);
            break;
        }
    }
    // The classic engine keeps the old figure: the nakshatra's quarters in its first sign.
    if (options.engine == Engine::Precise) {
        chart.NakshatraPada = std::to_string(NakshatraQuarterOf(chart.Longitudes[MoonBody]).Pada);
    }
}

}  // namespace grahavani
