#include "matching/chart_match.h"

#include "matching/match_notes.h"

namespace grahavani {

ChartMatch MatchCharts(const std::array<double, BodyCount>& boyLongitudes,
                       const std::array<double, BodyCount>& girlLongitudes) {
    ChartMatch match;
    match.BoyMoon = MoonPlacementOf(boyLongitudes[MoonBody]);
    match.GirlMoon = MoonPlacementOf(girlLongitudes[MoonBody]);
    match.Kootas = AshtakootaOf(match.BoyMoon, match.GirlMoon);
    match.BoyManglik = ManglikOf(boyLongitudes);
    match.GirlManglik = ManglikOf(girlLongitudes);
    match.Kootas.Notes = MatchNotes(match.BoyMoon, match.GirlMoon, match.Kootas, match.BoyManglik, match.GirlManglik);
    match.Agreements = PoruthamsOf(match.BoyMoon, match.GirlMoon);
    return match;
}

}  // namespace grahavani
