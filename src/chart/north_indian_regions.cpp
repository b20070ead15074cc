#include "chart/north_indian_regions.h"

namespace grahavani {

namespace {

constexpr std::size_t Signs = 12;

}  // namespace

std::size_t SignInNorthRegion(std::size_t region, std::size_t topSign) {
    return (topSign + region) % Signs;
}

std::size_t NorthRegionOfSign(std::size_t sign, std::size_t topSign) {
    return (sign + Signs - topSign % Signs) % Signs;
}

}  // namespace grahavani
