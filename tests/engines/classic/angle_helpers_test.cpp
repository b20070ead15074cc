#include "engines/classic/angle_helpers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace grahavani {
namespace {

TEST(NormalizeDegrees, StepsOnceEachWay) {
    EXPECT_EQ(NormalizeDegrees(-400), -40);
    EXPECT_EQ(NormalizeDegrees(725), 365);
    EXPECT_EQ(NormalizeDegrees(360), 360);
    EXPECT_EQ(NormalizeDegrees(-10), 350);
}

TEST(TruncateToZero, DropsTheFractionTowardZero) {
    EXPECT_EQ(TruncateToZero(2.7), 2);
    EXPECT_EQ(TruncateToZero(-2.7), -2);
    EXPECT_EQ(TruncateToZero(0), 0);
}

TEST(ReduceRadians, UsesTheFifteenDigitTwoPi) {
    EXPECT_EQ(ReduceRadians(-0.5), 6.28318530717958 - 0.5);
    EXPECT_EQ(ReduceRadians(2 * 6.28318530717958), 0);
    EXPECT_NEAR(ReduceRadians(7.0), 7.0 - 6.28318530717958, 1e-14);
}

TEST(QuadrantArcTangent, PicksTheQuadrantFromTheSigns) {
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(1, -1), 3 * 3.14159265358979 / 4);
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(-1, -1), -3 * 3.14159265358979 / 4);
    EXPECT_EQ(QuadrantArcTangent(0, -1), 0);
    EXPECT_EQ(QuadrantArcTangent(0, 0), 0);
    EXPECT_EQ(QuadrantArcTangent(2, 0), 3.14159265358979 / 2);
    EXPECT_EQ(QuadrantArcTangent(-2, 0), -3.14159265358979 / 2);
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(1, 1), std::atan(1.0));
}

// The fast reductions must equal the loops they replace to the last bit.
TEST(FullReductions, EqualRepeatedSubtractionAndAddition) {
    for (double x : {481486.2048, 36000.123456789, 720.0, 360.0, 359.999, -1234.5678, -720.0,
                     -0.001, 0.0, 17.5}) {
        double loopAtLeast = x;
        while (loopAtLeast >= 360) loopAtLeast -= 360;
        EXPECT_EQ(SubtractTurnsWhileAtLeast360(x), loopAtLeast) << x;

        double loopFull = x;
        while (loopFull < 0) loopFull += 360;
        while (loopFull > 360) loopFull -= 360;
        EXPECT_EQ(ReduceDegreesFully(x), loopFull) << x;
    }
}

}  // namespace
}  // namespace grahavani
