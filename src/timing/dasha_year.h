#pragma once
// The length of a dasha year, which every dasha system counts its periods in.

namespace grahavani {

enum class DashaYear { Julian, Gregorian, Savana };  // 365.25, 365.2425 and 360 days

double DashaYearDays(DashaYear year);

}  // namespace grahavani
