#include "engines/classic/classic_engine.h"

#include <cmath>

#include "engines/classic/ascendant.h"
#include "engines/classic/moon.h"
#include "engines/classic/planets.h"

namespace grahavani {

void ComputeClassicEngine(const BirthRecord& birth, const ChartOptions&, ChartResult& chart) {
    // The planets reuse the ascendant's ayanamsa, and the position list needs the Moon.
    ComputeAscendant(birth, chart);
    ComputeMoon(birth, chart);
    ComputePlanets(birth, chart);
    chart.Retrograde = {};
    chart.AyanamsaDegrees = std::fabs(chart.AyanamsaCorrection);
    chart.ComputedBy = Engine::Classic;
    chart.Ephemeris = "classic";
    chart.ZoneSignFromHemisphere = true;
}

}  // namespace grahavani
