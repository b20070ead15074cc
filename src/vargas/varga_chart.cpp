#include "vargas/varga_chart.h"

#include "model/name_tables.h"
#include "texts/position_texts.h"
#include "vargas/varga.h"

namespace grahavani {

ChartResult ChartInVarga(const ChartResult& chart, int division) {
    if (division == 1) return chart;
    ChartResult varga = chart;
    for (std::size_t point = 0; point < BodyCount; ++point) {
        const VargaPlace place = VargaPlaceOf(division, chart.Longitudes[point]);
        varga.Longitudes[point] = 30.0 * place.Sign + place.Degrees;
        varga.PositionTexts[point] = ShortPosition(FormatSignPosition(varga.Longitudes[point]));
    }
    varga.LagnaSign = SignAbbreviation(VargaPlaceOf(division, chart.Longitudes[AscendantPoint]).Sign);
    return varga;
}

}  // namespace grahavani
