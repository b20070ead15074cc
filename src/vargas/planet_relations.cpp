#include "vargas/planet_relations.h"

#include <array>

#include "model/chart_result.h"

namespace grahavani {
namespace {

constexpr std::array<std::size_t, 12> SignLords = {
    MarsBody, VenusBody, MercuryBody, MoonBody, SunBody, MercuryBody,
    VenusBody, MarsBody, JupiterBody, SaturnBody, SaturnBody, JupiterBody};

// [planet][other] in BodyOrder: 1 friend, 0 neutral, −1 enemy.
constexpr std::array<std::array<int, 7>, 7> NaturalRelations = {{
    //  Sun Moon Merc Ven Mars Jup Sat
    {0, 1, 0, -1, 1, 1, -1},    // Sun
    {1, 0, 1, 0, 0, 0, 0},      // Moon
    {1, -1, 0, 1, 0, 0, 0},     // Mercury
    {-1, -1, 1, 0, 0, 0, 1},    // Venus
    {1, 1, -1, 0, 0, 1, 0},     // Mars
    {1, 1, -1, -1, 1, 0, 0},    // Jupiter
    {-1, -1, 1, 1, -1, 0, 0},   // Saturn
}};

// The other in the 2nd, 3rd, 4th, 10th, 11th or 12th sign from the planet is a temporal friend.
int TemporalRelation(int planetSign, int otherSign) {
    const int signsOn = ((otherSign - planetSign) % 12 + 12) % 12;
    return (signsOn >= 1 && signsOn <= 3) || signsOn >= 9 ? 1 : -1;
}

}  // namespace

std::size_t SignLord(int sign) { return SignLords[static_cast<std::size_t>((sign % 12 + 12) % 12)]; }

int NaturalRelation(std::size_t planet, std::size_t other) { return NaturalRelations[planet][other]; }

CompoundRelation CompoundRelationOf(std::size_t planet, int planetSign, std::size_t other, int otherSign) {
    return static_cast<CompoundRelation>(NaturalRelation(planet, other) + TemporalRelation(planetSign, otherSign));
}

}  // namespace grahavani
