#pragma once
// The Lahiri-type ayanamsa, and the ascendant and midheaven of the birth instant.

#include "model/birth_record.h"
#include "model/chart_result.h"

namespace grahavani {

// Degrees to add to a tropical longitude to make it sidereal, for T in Julian
// centuries from Julian day 2415020. Negative for every date the program offers.
double AyanamsaCorrection(double centuries1900);

// Runs ComputeTime, then writes the ayanamsa, ascendant and midheaven with their texts.
void ComputeAscendant(const BirthRecord& birth, ChartResult& chart);

}  // namespace grahavani
