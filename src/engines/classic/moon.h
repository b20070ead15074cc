#pragma once
// The Moon's sidereal longitude from a 25-term lunar series and an ayanamsa of its
// own, with the nakshatra and rashi that follow from it.

#include <array>

#include "model/birth_record.h"
#include "model/chart_result.h"

namespace grahavani {

struct LunarTerm {
    double coefficient;  // degrees
    int d, m, mPrime, f;  // multipliers of D, M, M' and F
    bool timesEccentricity;
};

extern const std::array<LunarTerm, 25> LunarLongitudeTerms;

// Degrees to add to the Moon's tropical longitude, T in Julian centuries from J2000.
double MoonAyanamsaCorrection(double centuries2000);

// Writes MoonPositionText, MoonNakshatra and MoonRashi, in that order.
void ComputeMoon(const BirthRecord& birth, ChartResult& chart);

}  // namespace grahavani
