#pragma once
// Which sign stands in each region of the North Indian drawing. The twelve regions run
// counter-clockwise from the top rhombus; the sign of the top rhombus sets the rest: Aries
// for the fixed drawing, the lagna's sign when the houses stay put and the signs turn, so
// that region r is house r + 1.

#include <cstddef>

namespace grahavani {

// Regions and signs 0 to 11 (0 = the top rhombus, 0 = Aries).
std::size_t SignInNorthRegion(std::size_t region, std::size_t topSign);
std::size_t NorthRegionOfSign(std::size_t sign, std::size_t topSign);

}  // namespace grahavani
