#include "chart/nakshatra_quarter.h"

#include "model/arc_division.h"

namespace grahavani {

NakshatraQuarter NakshatraQuarterOf(double siderealLongitude) {
    // The navamsa's rule: multiplying before dividing keeps every start in its own arc.
    const int quarter = ArcIndex(siderealLongitude, 10, 3, 108);
    return {quarter / 4, quarter % 4 + 1};
}

}  // namespace grahavani
