#pragma once
// The ten South Indian poruthams: whether each agrees for the boy's and the girl's Moons.

#include <array>
#include <string_view>

#include "matching/moon_placement.h"

namespace grahavani {

enum class PoruthamName { Dina, Gana, Mahendra, StreeDeergha, Yoni, Rasi, RasiAdhipati, Vasya, Rajju, Vedha };

// The JSON keys, and the labels of the text report.
inline constexpr std::array<std::string_view, 10> PoruthamKeys = {
    "Dina", "Gana", "Mahendra", "StreeDeergha", "Yoni", "Rasi", "RasiAdhipati", "Vasya", "Rajju", "Vedha"};
inline constexpr std::array<std::string_view, 10> PoruthamLabels = {
    "Dina", "Gana", "Mahendra", "Stree Deergha", "Yoni", "Rasi", "Rasi Adhipati", "Vasya", "Rajju", "Vedha"};

struct Poruthams {
    std::array<bool, 10> Agrees{};  // in PoruthamName order

    bool operator[](PoruthamName name) const { return Agrees[static_cast<std::size_t>(name)]; }
    int AgreeCount() const;
};

Poruthams PoruthamsOf(const MoonPlacement& boy, const MoonPlacement& girl);

}  // namespace grahavani
