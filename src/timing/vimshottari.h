#pragma once
// The Vimshottari dasha: nine periods of 120 years in all, entered at birth part-way through
// the period of the Moon's nakshatra lord, each divided into nine sub-periods in the same order.

#include <array>
#include <string_view>

#include "timing/dasha_year.h"

namespace grahavani {

// Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury, and their years.
inline constexpr std::array<std::string_view, 9> DashaLords = {
    "Ketu", "Venus", "Sun", "Moon", "Mars", "Rahu", "Jupiter", "Saturn", "Mercury"};
inline constexpr std::array<int, 9> DashaLordYears = {7, 20, 6, 10, 7, 18, 16, 19, 17};

struct AntardashaPeriod {
    std::string_view Lord;
    double StartJulianDayUT = 0;
    double EndJulianDayUT = 0;
};

struct Mahadasha {
    std::string_view Lord;
    double StartJulianDayUT = 0;
    double EndJulianDayUT = 0;
    std::array<AntardashaPeriod, 9> Antardashas;
};

struct Vimshottari {
    double YearDays = 0;
    std::array<Mahadasha, 9> Periods;  // the first began at or before birth
};

// From the Moon's sidereal longitude in degrees and the birth instant. Every boundary is the
// first start plus a whole number of 120ths of a year, so one period ends exactly where the
// next begins and the ninth ends 120 years after the first began.
Vimshottari ComputeVimshottari(double moonSiderealLongitude, double birthJulianDayUT, DashaYear year);

}  // namespace grahavani
