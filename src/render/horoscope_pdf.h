#pragma once
// The horoscope as a PDF: vector text in embedded fonts, a footer on every page. Needs a
// QGuiApplication (the offscreen platform will do).

#include <string>

#include "chart/horoscope.h"
#include "render/pdf_document.h"

namespace grahavani {

// The file's bytes.
std::string HoroscopePdf(const Horoscope& horoscope, Paper paper);

}  // namespace grahavani
