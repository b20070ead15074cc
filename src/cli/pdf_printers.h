#pragma once
// What writes a horoscope's PDF for grahavani-chart --pdf: the program passes the painted one;
// a build without Qt (the fuzzers) passes none, and --pdf then says it cannot.

#include <functional>
#include <string>

#include "chart/horoscope.h"

namespace grahavani {

// The PDF file's bytes.
using HoroscopePrinter = std::function<std::string(const Horoscope&, Paper)>;

}  // namespace grahavani
