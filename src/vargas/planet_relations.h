#pragma once
// The lords of the signs and Parashara's friendships of the seven planets: natural, temporal
// (from their rasi signs) and the compound of the two.

#include <cstddef>

namespace grahavani {

// The planet (BodyOrder, Sun to Saturn) that rules a sign, 0 Aries to 11 Pisces.
std::size_t SignLord(int sign);

// How `planet` regards `other` by nature (BodyOrder, Sun to Saturn, two different planets):
// 1 friend, 0 neutral, −1 enemy.
int NaturalRelation(std::size_t planet, std::size_t other);

// Natural + temporal: each friend 1, neutral 0, enemy −1, so −2 is a great enemy and 2 a great
// friend.
enum class CompoundRelation { GreatEnemy = -2, Enemy, Neutral, Friend, GreatFriend };

// How `planet` regards `other` (BodyOrder, Sun to Saturn, two different planets) when they
// stand in the rasi signs given.
CompoundRelation CompoundRelationOf(std::size_t planet, int planetSign, std::size_t other, int otherSign);

}  // namespace grahavani
