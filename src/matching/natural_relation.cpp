#include "matching/natural_relation.h"

#include "vargas/planet_relations.h"

namespace grahavani {

int NaturalRelation(std::size_t planet, std::size_t other) {
    // The compound relation is natural + temporal, and a planet in the next sign is a temporal friend.
    return static_cast<int>(CompoundRelationOf(planet, 0, other, 1)) - 1;
}

}  // namespace grahavani
