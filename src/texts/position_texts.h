#pragma once
// The position texts that carry every result between the engine, the drawings and the report.
//   long:     7° 45' 43" Tau     (degrees, minutes, seconds within the sign, all truncated)
//   short:    07 Tau 45          (the sign always at characters 4 to 6)
//   ayanamsa: -23° 51' 14"

#include <string>
#include <string_view>

#include "model/chart_result.h"

namespace grahavani {

std::string FormatSignPosition(double x);
std::string FormatAyanamsa(double x);
std::string ShortPosition(std::string_view longText);
// Fills PositionTexts slots 0-10 from the long texts; slot 11 is never touched.
void BuildPositionTexts(ChartResult& chart);

}  // namespace grahavani
