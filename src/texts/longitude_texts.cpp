#include "texts/longitude_texts.h"

#include "texts/moon_texts.h"
#include "texts/position_texts.h"

namespace grahavani {

void WriteLongitudeTexts(ChartResult& chart) {
    const auto& at = chart.Longitudes;
    chart.AyanamsaCorrection = -chart.AyanamsaDegrees;
    chart.AyanamsaText = FormatAyanamsa(chart.AyanamsaCorrection);
    chart.AscendantDegrees = at[AscendantPoint];
    chart.MidheavenDegrees = at[MidheavenPoint];
    chart.AscendantText = FormatSignPosition(at[AscendantPoint]);
    chart.MidheavenText = FormatSignPosition(at[MidheavenPoint]);
    WriteMoonTexts(at[MoonBody], chart);
    for (std::size_t row = 0; row < 6; ++row) {
        chart.PlanetTexts[row] = FormatSignPosition(at[PlanetTextBodies[row]]);
    }
    chart.RahuText = FormatSignPosition(at[RahuBody]);
    chart.KetuText = FormatSignPosition(at[KetuBody]);
    BuildPositionTexts(chart);
}

}  // namespace grahavani
