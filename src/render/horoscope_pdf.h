#pragma once
// The horoscope as a PDF: vector text in embedded fonts, a footer on every page. Needs a
// QGuiApplication (the offscreen platform will do).

#include <string>

#include "chart/horoscope.h"

namespace grahavani {

inline constexpr std::string_view ProgramName = "Grahavani 2.05";

// The file's bytes.
std::string HoroscopePdf(const Horoscope& horoscope, Paper paper);

}  // namespace grahavani
