#include "timing/vimshottari.h"

#include <cmath>

#include "timing/arc_division.h"

namespace grahavani {

Vimshottari ComputeVimshottari(double moonSiderealLongitude, double birthJulianDayUT, DashaYear year) {
    const double nakshatras = ArcsTraversed(moonSiderealLongitude, 40, 3);
    const int nakshatra = ArcIndex(moonSiderealLongitude, 40, 3, 27);
    const double traversed = nakshatras - nakshatra;
    const std::size_t firstLord = static_cast<std::size_t>(nakshatra % 9);

    Vimshottari dasha;
    dasha.YearDays = DashaYearDays(year);
    const double firstStart =
        birthJulianDayUT - traversed * DashaLordYears[firstLord] * dasha.YearDays;
    // A boundary counted in 120ths of a year from the first start.
    const auto boundary = [&](int ticks) { return firstStart + ticks * dasha.YearDays / 120; };

    int ticks = 0;
    for (std::size_t m = 0; m < 9; ++m) {
        const std::size_t lord = (firstLord + m) % 9;
        Mahadasha& period = dasha.Periods[m];
        period.Lord = DashaLords[lord];
        period.StartJulianDayUT = boundary(ticks);
        for (std::size_t a = 0; a < 9; ++a) {
            const std::size_t subLord = (lord + a) % 9;
            AntardashaPeriod& sub = period.Antardashas[a];
            sub.Lord = DashaLords[subLord];
            sub.StartJulianDayUT = boundary(ticks);
            ticks += DashaLordYears[lord] * DashaLordYears[subLord];
            sub.EndJulianDayUT = boundary(ticks);
        }
        period.EndJulianDayUT = boundary(ticks);
    }
    return dasha;
}

}  // namespace grahavani
