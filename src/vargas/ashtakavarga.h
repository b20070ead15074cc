#pragma once
// Parashara's ashtakavarga: the bindus each of the seven planets' bhinnashtakavargas gives
// the twelve signs, from the rasi signs of the seven planets and the lagna, and their sum,
// the sarvashtakavarga. Rahu and Ketu neither receive nor give.

#include <array>
#include <cstddef>

#include "model/chart_result.h"

namespace grahavani {

// The seven planets in the ashtakavarga's order, Sun, Moon, Mars, Mercury, Jupiter, Venus,
// Saturn, as BodyOrder numbers them.
inline constexpr std::array<std::size_t, 7> AshtakavargaPlanets = {
    SunBody, MoonBody, MarsBody, MercuryBody, JupiterBody, VenusBody, SaturnBody};

using SignBindus = std::array<int, 12>;  // Aries to Pisces

struct Ashtakavarga {
    std::array<SignBindus, 7> Bhinna{};  // in AshtakavargaPlanets order
    SignBindus Sarva{};
};

// The contributors' rasi signs (0 = Aries): the seven planets in AshtakavargaPlanets order,
// then the lagna. A sign number outside 0-11 is counted round the zodiac.
Ashtakavarga ComputeAshtakavarga(const std::array<int, 8>& rasiSigns);

}  // namespace grahavani
