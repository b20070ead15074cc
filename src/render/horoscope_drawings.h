#pragma once
// The horoscope's chart drawings in the chosen style: the rasi and the navamsa large, the
// sixteen vargas small, and the ashtakavarga's bindus in the signs.

#include "chart/horoscope.h"
#include "render/page_flow.h"

namespace grahavani {

// Two pages and more: the rasi and navamsa on one, the vargas at most eight to a page.
void VargaDrawingPages(PageFlow& flow, const Horoscope& horoscope);
// The seven planets' bindus and the sarva, eight small drawings across the page.
void AshtakavargaDrawings(PageFlow& flow, const Horoscope& horoscope);

}  // namespace grahavani
