#pragma once
// Kundali matching of two charts from their Moons (and, for Kuja dosha, their lagnas, Venus and
// Mars): the ashtakoota with its notes, each chart's Manglik and the ten poruthams.

#include <array>

#include "matching/ashtakoota.h"
#include "matching/manglik.h"
#include "matching/moon_placement.h"
#include "matching/porutham.h"
#include "model/chart_result.h"

namespace grahavani {

struct ChartMatch {
    MoonPlacement BoyMoon, GirlMoon;
    Ashtakoota Kootas;
    Manglik BoyManglik, GirlManglik;
    Poruthams Agreements;
};

// The charts' sidereal longitudes in BodyOrder, the boy's (groom's) first.
ChartMatch MatchCharts(const std::array<double, BodyCount>& boyLongitudes,
                       const std::array<double, BodyCount>& girlLongitudes);

}  // namespace grahavani
