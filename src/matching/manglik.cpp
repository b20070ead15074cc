#include "matching/manglik.h"

#include "matching/ashtakoota.h"
#include "model/arc_division.h"

namespace grahavani {

Manglik ManglikOf(const std::array<double, BodyCount>& longitudes) {
    const auto sign = [&](std::size_t body) { return ArcIndex(longitudes[body], 30, 1, 12); };
    const std::array<std::size_t, 3> references = {AscendantPoint, MoonBody, VenusBody};
    Manglik manglik;
    for (std::size_t i = 0; i < references.size(); ++i) {
        const int house = SignCount(sign(references[i]), sign(MarsBody));
        manglik.MarsHouses[i] = house;
        manglik.FromReference[i] = house == 1 || house == 2 || house == 4 || house == 7 || house == 8 || house == 12;
        manglik.Any = manglik.Any || manglik.FromReference[i];
    }
    return manglik;
}

}  // namespace grahavani
