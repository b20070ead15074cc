#pragma once
// The readings at the end of the horoscope, as the desktop's interpretation view shows them:
// the planets in their signs, then the profiles of the Moon's nakshatra, of the lagna and of
// the rashi, each beside its picture.

#include "chart/horoscope.h"
#include "render/page_flow.h"

namespace grahavani {

// Starts on a new page.
void ReadingsSection(PageFlow& flow, const Horoscope& horoscope);

}  // namespace grahavani
