#include "matching/moon_placement.h"

#include "model/arc_division.h"
#include "vargas/planet_relations.h"

namespace grahavani {

MoonPlacement MoonPlacementOf(double siderealLongitude) {
    MoonPlacement moon;
    moon.Longitude = DegreesInCircle(siderealLongitude);
    // Multiplying before dividing keeps a longitude at a quarter's start in that quarter.
    const int quarter = ArcIndex(moon.Longitude, 10, 3, 108);
    moon.Nakshatra = quarter / 4;
    moon.Pada = quarter % 4 + 1;
    const int halfSign = ArcIndex(moon.Longitude, 15, 1, 24);
    moon.Sign = halfSign / 2;
    moon.LaterHalfOfSign = halfSign % 2 == 1;
    moon.SignLord = SignLord(moon.Sign);
    return moon;
}

}  // namespace grahavani
