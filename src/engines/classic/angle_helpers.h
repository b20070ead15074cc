#pragma once
// Small angle helpers of the engine. The 15-digit values of pi are part of the
// computation: every chart is reproduced to the last digit with them.

namespace grahavani {

inline constexpr double Pi15 = 3.14159265358979;
inline constexpr double TwoPi15 = 6.28318530717958;
inline constexpr double DegreesToRadians = 0.0174532925199433;
inline constexpr double RadiansToDegrees = 57.2957795130823;

// One step each way: below 0 adds 360 once, then above 360 subtracts 360 once.
double NormalizeDegrees(double x);
// Sign times the whole part of the magnitude.
double TruncateToZero(double x);
// Into [0, 2pi) with the 15-digit 2pi.
double ReduceRadians(double x);
// Arc tangent of y/x in the quadrant of (x, y); 0 when y is 0, whatever x.
double QuadrantArcTangent(double y, double x);

// Subtracts 360 while x >= 360. Equal to the repeated subtraction to the last bit,
// since every step of that loop is exact, but without its hundreds of rounds.
double SubtractTurnsWhileAtLeast360(double x);
// Adds 360 while x < 0, then subtracts 360 while x > 360: the result lies in [0, 360].
double ReduceDegreesFully(double x);

}  // namespace grahavani
