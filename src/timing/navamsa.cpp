#include "timing/navamsa.h"

#include "model/name_tables.h"
#include "vargas/varga.h"

namespace grahavani {

int NavamsaSign(double siderealLongitude) {
    return VargaPlaceOf(9, siderealLongitude).Sign;
}

std::array<NavamsaPlacement, 10> ComputeNavamsa(std::span<const double, 11> siderealLongitudes) {
    constexpr std::size_t ascendant = 9;
    std::array<NavamsaPlacement, 10> placements;
    placements[0] = {BodyNames[ascendant], NavamsaSign(siderealLongitudes[ascendant])};
    for (std::size_t body = 0; body < 9; ++body) {
        placements[body + 1] = {BodyNames[body], NavamsaSign(siderealLongitudes[body])};
    }
    return placements;
}

}  // namespace grahavani
