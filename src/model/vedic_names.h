#pragma once
// The 27 nakshatras and the Moon's Sanskrit sign names. Other tables are keyed by
// these exact spellings.

#include <array>
#include <string_view>

namespace grahavani {

// Index k covers sidereal longitudes from k * 13°20' up to (k + 1) * 13°20'.
inline constexpr std::array<std::string_view, 27> NakshatraNames = {
    "Ashwini",       "Bharani",         "Krittika",          "Rohini",
    "Mrigasira",     "Ardra",           "Punarvasu",         "Pushya",
    "Ashlesha",      "Magha",           "Poorva Phalguni",   "Uttara Phalguni",
    "Hasta",         "Chitra",          "Swati",             "Vishakha",
    "Anuradha",      "Jyeshtha",        "Moola",             "Purva Ashadha",
    "Uttara Ashadha", "Shravana",       "Dhanistha",         "Shatabhisha",
    "Poorva Bhadrapada", "Uttara Bhadrapada", "Revati"};

// The rashi names in sign order (Sagittarius is "Dhanus" here, unlike the lagna's).
inline constexpr std::array<std::string_view, 12> RashiNames = {
    "Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha", "Kanya",
    "Thula", "Vrishcika", "Dhanus", "Makara", "Kumbha", "Meena"};

}  // namespace grahavani
