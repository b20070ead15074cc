#pragma once
// Universal time of birth and the day counts of the engine.

#include "model/birth_record.h"
#include "model/chart_result.h"

namespace grahavani {

// Birth longitude in degrees, west positive and east negative.
double SignedLongitude(const BirthRecord& birth);
// Universal time in hours; not reduced to a day, so it may be negative or 24 and above.
// The zone's direction comes from the longitude's hemisphere; 0 degrees counts as west.
double UniversalTime(const BirthRecord& birth);
// Julian day number of a calendar date (Julian calendar up to 15 October 1582).
double JulianDayNumber(double month, double day, double year);
// Days from noon UT, 1 January 2000, without the Gregorian century rule.
double J2000DayNumber(double year, double month, double day, double ut);
// Writes UniversalTimeHours, BirthDayNumber, Centuries1900 and JulianDayUT.
void ComputeTime(const BirthRecord& birth, ChartResult& chart);

}  // namespace grahavani
