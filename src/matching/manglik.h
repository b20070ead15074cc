#pragma once
// Kuja dosha: Mars in the 1st, 2nd, 4th, 7th, 8th or 12th sign from the lagna, the Moon or Venus,
// whole signs, the reference's own sign the 1st.

#include <array>
#include <string_view>

#include "model/chart_result.h"

namespace grahavani {

enum class ManglikReference { Lagna, Moon, Venus };
inline constexpr std::array<std::string_view, 3> ManglikReferenceNames = {"Lagna", "Moon", "Venus"};

struct Manglik {
    std::array<int, 3> MarsHouses{};   // 1-12 from each reference, in ManglikReference order
    std::array<bool, 3> FromReference{};
    bool Any = false;
};

// From a chart's sidereal longitudes in BodyOrder.
Manglik ManglikOf(const std::array<double, BodyCount>& longitudes);

}  // namespace grahavani
