#include "engines/classic/angle_helpers.h"

#include <cmath>

namespace grahavani {

namespace {
double Sign(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }
}  // namespace

double NormalizeDegrees(double x) {
    if (x < 0) x += 360;
    if (x > 360) x -= 360;
    return x;
}

double TruncateToZero(double x) { return Sign(x) * std::floor(std::fabs(x)); }

double ReduceRadians(double x) {
    const double q = x / TwoPi15;
    double r = (q - TruncateToZero(q)) * TwoPi15;
    if (r < 0) r += TwoPi15;
    return r;
}

double QuadrantArcTangent(double y, double x) {
    if (x > 0) return std::atan(y / x);
    if (x == 0) return y != 0 ? Sign(y) * Pi15 / 2 : 0.0;
    return Sign(y) * (Pi15 - std::atan(std::fabs(y / x)));
}

double SubtractTurnsWhileAtLeast360(double x) {
    // fmod is exact, and so is each subtraction of the loop it replaces.
    return x >= 360 ? std::fmod(x, 360.0) : x;
}

double ReduceDegreesFully(double x) {
    if (x < 0) {
        // The loop's last value below 0 is exactly fmod's result; its final step rounds the same.
        x = std::fmod(x, 360.0);
        if (x < 0) x += 360;
    } else if (x > 360) {
        x = std::fmod(x, 360.0);
        if (x == 0) x = 360;  // the loop stops at 360 for a whole number of turns
    }
    return x;
}

}  // namespace grahavani
