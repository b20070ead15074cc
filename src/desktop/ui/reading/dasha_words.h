#pragma once
// A dasha's rulers and balance in the words the timing tab shows them in.

#include <QString>

#include "timing/dasha_timeline.h"

namespace grahavani {

// "Rahu", or for the Yogini the yogini with her planet: "Pingala (Sun)".
QString DashaRulerWords(DashaSystem system, std::uint8_t ruler);
// "Balance of Rahu mahadasha at birth: 2 years 3 months 10 days"; for the Yogini
// "Balance of Pingala (Sun) yogini dasha at birth: …".
QString DashaBalanceWords(const DashaTimeline& timeline);

}  // namespace grahavani
