#include "desktop/shell/co_brand.h"

#include <cmath>

namespace grahavani {

namespace {

double RoundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction != 0.5) return std::round(value);
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

}  // namespace

std::optional<BrandLabel> BrandLabelForDraw(double u) {
    const double r = RoundHalfToEven(6.0 * u + 1.0);
    if (r >= 7.0) return std::nullopt;
    return std::fmod(r, 2.0) == 1.0 ? BrandLabel::CoBrand : BrandLabel::FullBrand;
}

void CoBrand_Randomize(frmMain& form, double u) {
    if (const auto label = BrandLabelForDraw(u)) form.BringBrandToFront(*label);
}

}  // namespace grahavani
