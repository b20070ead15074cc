#include "vargas/varga.h"

#include <cmath>

#include "model/arc_division.h"
#include "translation/filled.h"
#include "translation/translated.h"

namespace grahavani {
namespace {

constexpr int Aries = 0, Taurus = 1, Gemini = 2, Cancer = 3, Leo = 4, Virgo = 5, Libra = 6,
              Scorpio = 7, Sagittarius = 8, Capricorn = 9, Aquarius = 10, Pisces = 11;

bool IsOdd(int sign) { return sign % 2 == 0; }  // Aries, Gemini, Leo … counted from 1
bool IsMovable(int sign) { return sign % 3 == 0; }
bool IsFixed(int sign) { return sign % 3 == 1; }

// The start of the count for movable, fixed and dual signs.
int ByModality(int sign, int movable, int fixed, int dual) {
    return IsMovable(sign) ? movable : IsFixed(sign) ? fixed : dual;
}

// The trimsamsa's unequal parts: where each ends within the sign, and its sign.
struct TrimsamsaPart {
    double End;
    int Sign;
};
constexpr std::array<TrimsamsaPart, 5> OddTrimsamsas = {
    {{5, Aries}, {10, Aquarius}, {18, Sagittarius}, {25, Gemini}, {30, Libra}}};
constexpr std::array<TrimsamsaPart, 5> EvenTrimsamsas = {
    {{5, Taurus}, {12, Virgo}, {20, Pisces}, {25, Capricorn}, {30, Scorpio}}};

int TrimsamsaSign(int sign, double degreesInSign) {
    const auto& parts = IsOdd(sign) ? OddTrimsamsas : EvenTrimsamsas;
    for (const TrimsamsaPart& part : parts) {
        if (degreesInSign < part.End) return part.Sign;
    }
    return parts.back().Sign;
}

// The sign the count of parts starts from, for the parts counted one sign each.
int FirstSign(int division, int sign) {
    switch (division) {
        case 7: return IsOdd(sign) ? sign : sign + 6;
        case 9: return ByModality(sign, sign, sign + 8, sign + 4);
        case 10: return IsOdd(sign) ? sign : sign + 8;
        case 16: return ByModality(sign, Aries, Leo, Sagittarius);
        case 20: return ByModality(sign, Aries, Sagittarius, Leo);
        case 24: return IsOdd(sign) ? Leo : Cancer;
        case 27: {
            constexpr std::array<int, 4> byElement = {Aries, Cancer, Libra, Capricorn};  // fire, earth, air, water
            return byElement[static_cast<std::size_t>(sign % 4)];
        }
        case 40: return IsOdd(sign) ? Aries : Libra;
        case 45: return ByModality(sign, Aries, Leo, Sagittarius);
        default: return sign;  // D1, D12, D60
    }
}

}  // namespace

std::string VargaTitle(std::size_t varga, Language language) {
    return Filled(Translated(language, "vargas/varga.cpp VargaTitle", "D%1 %2"),
                  {std::to_string(VargaDivisions[varga]), Translated(language, "vargas/varga.h VargaNames", VargaNames[varga])});
}

VargaPlace VargaPlaceOf(int division, double siderealLongitude) {
    const double longitude = DegreesInCircle(siderealLongitude);
    const int part = ArcIndex(longitude, 30, division, 12 * division);
    const int sign = part / division;
    const int k = part % division;
    VargaPlace place;
    place.Degrees = std::fmod(longitude * division, 30.0);
    switch (division) {
        case 2: place.Sign = (k == 0) == IsOdd(sign) ? Leo : Cancer; break;
        case 3: place.Sign = (sign + 4 * k) % 12; break;
        case 4: place.Sign = (sign + 3 * k) % 12; break;
        case 30: place.Sign = TrimsamsaSign(sign, longitude - 30 * sign); break;
        default: place.Sign = (FirstSign(division, sign) + k) % 12; break;
    }
    return place;
}

}  // namespace grahavani
