#include "matching/porutham.h"

#include <algorithm>
#include <utility>

#include "matching/ashtakoota.h"
#include "vargas/planet_relations.h"
#include "matching/star_classes.h"

namespace grahavani {
namespace {

// The signs each sign (0 Aries to 11 Pisces) is vasya to; -1 for none.
constexpr std::array<std::array<int, 2>, 12> VasyaSigns = {{
    {4, 7}, {3, 6}, {5, -1}, {7, 8}, {6, -1}, {2, 11},
    {9, 5}, {3, -1}, {11, -1}, {0, 10}, {0, -1}, {9, -1},
}};

// Ashwini–Jyeshtha, Bharani–Anuradha … Hasta–Shatabhisha; Mrigasira, Chitra and Dhanistha pairwise.
constexpr std::array<std::pair<int, int>, 15> VedhaPairs = {{
    {0, 17}, {1, 16}, {2, 15}, {3, 14}, {5, 21}, {6, 20}, {7, 19}, {8, 18},
    {9, 26}, {10, 25}, {11, 24}, {12, 23}, {4, 13}, {4, 22}, {13, 22},
}};

bool VasyaTo(int sign, int other) {
    const auto& signs = VasyaSigns[static_cast<std::size_t>(sign)];
    return signs[0] == other || signs[1] == other;
}

bool VedhaPair(int star, int other) {
    return std::ranges::any_of(VedhaPairs, [&](const auto& pair) {
        return (pair.first == star && pair.second == other) || (pair.first == other && pair.second == star);
    });
}

bool Enemy(std::size_t planet, std::size_t other) { return planet != other && NaturalRelation(planet, other) < 0; }

}  // namespace

int Poruthams::AgreeCount() const { return static_cast<int>(std::ranges::count(Agrees, true)); }

Poruthams PoruthamsOf(const MoonPlacement& boy, const MoonPlacement& girl) {
    const int n = StarCount(girl.Nakshatra, boy.Nakshatra);
    const StarClasses& boyStar = StarClassesOf(boy.Nakshatra);
    const StarClasses& girlStar = StarClassesOf(girl.Nakshatra);
    const bool devaAndManushya = (boyStar.Temperament == Gana::Deva && girlStar.Temperament == Gana::Manushya) ||
                                 (boyStar.Temperament == Gana::Manushya && girlStar.Temperament == Gana::Deva);
    Poruthams p;
    p.Agrees = {
        n % 9 % 2 == 0,
        boyStar.Temperament == girlStar.Temperament || devaAndManushya,
        n % 3 == 1 && n >= 4 && n <= 25,
        n > 13,
        !SwornEnemies(boyStar.Animal, girlStar.Animal),
        !SignsInBhakootDosha(boy.Sign, girl.Sign),
        !Enemy(boy.SignLord, girl.SignLord) && !Enemy(girl.SignLord, boy.SignLord),
        VasyaTo(boy.Sign, girl.Sign) || VasyaTo(girl.Sign, boy.Sign),
        boyStar.Cord != girlStar.Cord,
        !VedhaPair(boy.Nakshatra, girl.Nakshatra),
    };
    return p;
}

}  // namespace grahavani
