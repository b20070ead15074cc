#pragma once
// The sixteen divisional charts (Shodasavarga) by Parashara's rules: where a sidereal longitude
// falls in the varga of n parts to a sign.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "model/language.h"

namespace grahavani {

// D1 to D60, the number of parts to a sign of each.
inline constexpr std::array<int, 16> VargaDivisions = {1, 2, 3, 4, 7, 9, 10, 12, 16, 20, 24, 27, 30, 40, 45, 60};
inline constexpr std::array<std::string_view, 16> VargaNames = {
    "Rasi",     "Hora",          "Drekkana",   "Chaturthamsa", "Saptamsa",   "Navamsa",
    "Dasamsa",  "Dvadasamsa",    "Shodasamsa", "Vimsamsa",     "Chaturvimsamsa", "Bhamsa",
    "Trimsamsa", "Khavedamsa",   "Akshavedamsa", "Shashtiamsa"};

// "D10 Dasamsa": the varga at this index of VargaDivisions, as a chooser or a title names it;
// in Hindi "डी-10 दशमांश".
std::string VargaTitle(std::size_t varga, Language language = Language::English);

struct VargaPlace {
    int Sign = 0;        // 0 Aries to 11 Pisces
    double Degrees = 0;  // within that sign: (longitude × n) mod 30, for every varga
};

// For a division of VargaDivisions and a sidereal longitude in degrees. The part is found
// with the multiplication first, so an exact boundary (3°20′ of the navamsa, 1° of the
// shashtiamsa) falls in the part it begins.
VargaPlace VargaPlaceOf(int division, double siderealLongitude);

}  // namespace grahavani
