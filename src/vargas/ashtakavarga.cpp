#include "vargas/ashtakavarga.h"

#include <cstdint>
#include <initializer_list>

namespace grahavani {
namespace {

using Places = std::uint16_t;  // bit h - 1 set for the benefic place h, counted from 1

constexpr Places P(std::initializer_list<int> houses) {
    Places places = 0;
    for (const int house : houses) places = static_cast<Places>(places | (1u << (house - 1)));
    return places;
}

// Row: whose bhinnashtakavarga; column: the contributor, Sun, Moon, Mars, Mercury, Jupiter,
// Venus, Saturn, Lagna. The benefic places as Parashara gives them.
constexpr std::array<std::array<Places, 8>, 7> BeneficPlaces = {{
    // Sun
    {P({1, 2, 4, 7, 8, 9, 10, 11}), P({3, 6, 10, 11}), P({1, 2, 4, 7, 8, 9, 10, 11}),
     P({3, 5, 6, 9, 10, 11, 12}), P({5, 6, 9, 11}), P({6, 7, 12}), P({1, 2, 4, 7, 8, 9, 10, 11}),
     P({3, 4, 6, 10, 11, 12})},
    // Moon
    {P({3, 6, 7, 8, 10, 11}), P({1, 3, 6, 7, 9, 10, 11}), P({2, 3, 5, 6, 10, 11}),
     P({1, 3, 4, 5, 7, 8, 10, 11}), P({1, 2, 4, 7, 8, 10, 11}), P({3, 4, 5, 7, 9, 10, 11}),
     P({3, 5, 6, 11}), P({3, 6, 10, 11})},
    // Mars
    {P({3, 5, 6, 10, 11}), P({3, 6, 11}), P({1, 2, 4, 7, 8, 10, 11}), P({3, 5, 6, 11}),
     P({6, 10, 11, 12}), P({6, 8, 11, 12}), P({1, 4, 7, 8, 9, 10, 11}), P({1, 3, 6, 10, 11})},
    // Mercury
    {P({5, 6, 9, 11, 12}), P({2, 4, 6, 8, 10, 11}), P({1, 2, 4, 7, 8, 9, 10, 11}),
     P({1, 3, 5, 6, 9, 10, 11, 12}), P({6, 8, 11, 12}), P({1, 2, 3, 4, 5, 8, 9, 11}),
     P({1, 2, 4, 7, 8, 9, 10, 11}), P({1, 2, 4, 6, 8, 10, 11})},
    // Jupiter
    {P({1, 2, 3, 4, 7, 8, 9, 10, 11}), P({2, 5, 7, 9, 11}), P({1, 2, 4, 7, 8, 10, 11}),
     P({1, 2, 4, 5, 6, 9, 10, 11}), P({1, 2, 3, 4, 7, 8, 10, 11}), P({2, 5, 6, 9, 10, 11}),
     P({3, 5, 6, 12}), P({1, 2, 4, 5, 6, 7, 9, 10, 11})},
    // Venus
    {P({8, 11, 12}), P({1, 2, 3, 4, 5, 8, 9, 11, 12}), P({3, 4, 6, 9, 11, 12}),
     P({3, 5, 6, 9, 11}), P({5, 8, 9, 10, 11}), P({1, 2, 3, 4, 5, 8, 9, 10, 11}),
     P({3, 4, 5, 8, 9, 10, 11}), P({1, 2, 3, 4, 5, 8, 9, 11})},
    // Saturn
    {P({1, 2, 4, 7, 8, 10, 11}), P({3, 6, 11}), P({3, 5, 6, 10, 11, 12}), P({6, 8, 9, 10, 11, 12}),
     P({5, 6, 11, 12}), P({6, 11, 12}), P({3, 5, 6, 11}), P({1, 3, 4, 6, 10, 11})},
}};

int InZodiac(int sign) { return (sign % 12 + 12) % 12; }

}  // namespace

Ashtakavarga ComputeAshtakavarga(const std::array<int, 8>& rasiSigns) {
    Ashtakavarga result;
    for (std::size_t planet = 0; planet < BeneficPlaces.size(); ++planet) {
        for (std::size_t contributor = 0; contributor < rasiSigns.size(); ++contributor) {
            const int from = InZodiac(rasiSigns[contributor]);
            for (int house = 0; house < 12; ++house) {
                if ((BeneficPlaces[planet][contributor] >> house) & 1u) {
                    ++result.Bhinna[planet][static_cast<std::size_t>((from + house) % 12)];
                }
            }
        }
        for (std::size_t sign = 0; sign < 12; ++sign) result.Sarva[sign] += result.Bhinna[planet][sign];
    }
    return result;
}

}  // namespace grahavani
