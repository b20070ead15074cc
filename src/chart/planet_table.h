#pragma once
// The chart's planets as an astrologer checks them first: for the ascendant and the nine
// bodies the sign, the nakshatra and its quarter, the whole-sign house from the lagna, and
// for the seven planets their dignity, motion and combustion. All from the chart's Longitudes.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/chart_result.h"
#include "model/language.h"

namespace grahavani {

struct PlanetRow {
    std::string_view Body;  // "Ascendant", then "Sun" … "Ketu"
    double Longitude = 0;   // sidereal degrees in [0, 360)
    std::string_view Sign;  // "Ari" … "Pis"
    double Degrees = 0;     // within the sign
    std::string Text;       // as the ascendant's text: 12° 13' 32" Tau
    std::string_view Nakshatra;
    int Pada = 1;
    std::string_view NakshatraLord;
    int House = 1;  // whole signs, the lagna's sign the first
    // The seven planets only; the others (and the Sun's combustion) have none.
    std::optional<std::string_view> Dignity;  // "exalted", "debilitated", "own sign" or ""
    std::optional<bool> Retrograde;           // also none where the engine does not say
    std::optional<bool> Combust;
};

inline constexpr std::size_t PlanetTableRows = 10;

// The ascendant first, then the nine bodies in body order.
std::array<PlanetRow, PlanetTableRows> ComputePlanetTable(const ChartResult& chart);

// The row of a body (SunBody … KetuBody, or AscendantPoint) in that table.
constexpr std::size_t PlanetTableRow(std::size_t body) { return body == AscendantPoint ? 0 : body + 1; }

// "exalted" (which wins over an own sign), "debilitated", "own sign" or "" for a planet of
// the seven (SunBody … SaturnBody) in sign 0 (Aries) to 11.
std::string_view PlanetDignity(std::size_t body, int sign);
// A dignity PlanetDignity gives, in `language` ("" stays "").
std::string_view DignityIn(std::string_view dignity, Language language);

// Whether the planet lies within the Sun's orb of it (the edge included); the smaller orbs
// of a retrograde Mercury and Venus apply only when it is known to be retrograde. The Sun
// is never combust.
bool IsCombust(std::size_t body, double longitude, double sunLongitude, bool retrograde);

}  // namespace grahavani
