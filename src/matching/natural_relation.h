#pragma once
// Parashara's natural relationship of one sign lord to another.

#include <cstddef>

namespace grahavani {

// How `planet` regards `other` (BodyOrder, Sun to Saturn, two different planets): 1 friend,
// 0 neutral, −1 enemy.
int NaturalRelation(std::size_t planet, std::size_t other);

}  // namespace grahavani
