#include "engines/precise/sun_table.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "engines/precise/sun_table_data.h"

namespace grahavani {
namespace {

// Values of a cubic through the rows at days -1, 0, 1 and 2, and of its derivative, at t days
// after row 0.
struct Cubic {
    std::array<double, 4> Value, Rate;

    explicit Cubic(double t)
        : Value{-t * (t - 1) * (t - 2) / 6, (t + 1) * (t - 1) * (t - 2) / 2, -(t + 1) * t * (t - 2) / 2,
                (t + 1) * t * (t - 1) / 6},
          Rate{-(3 * t * t - 6 * t + 2) / 6, (3 * t * t - 4 * t - 1) / 2, -(3 * t * t - 2 * t - 2) / 2,
               (3 * t * t - 1) / 6} {}
};

// The four angles taken within half a turn of the first, so that 359° is followed by 360.5°.
std::array<double, 4> Unwrapped(std::array<double, 4> degrees) {
    for (double& angle : degrees) angle -= 360 * std::round((angle - degrees[0]) / 360);
    return degrees;
}

double Dot(const std::array<double, 4>& weights, const std::array<double, 4>& values) {
    return weights[0] * values[0] + weights[1] * values[1] + weights[2] * values[2] + weights[3] * values[3];
}

double Normalized(double degrees) { return degrees - 360 * std::floor(degrees / 360); }

}  // namespace

std::optional<TabledSun> SunFromTable(double julianDayUT) {
    const std::span<const SunTableDay> days = SunTableDays();
    const double sinceFirst = julianDayUT - SunTableFirstJulianDayUT;
    if (!(sinceFirst >= 1 && sinceFirst < static_cast<double>(days.size()) - 2)) return std::nullopt;
    const auto row = static_cast<std::size_t>(sinceFirst);
    const Cubic cubic(sinceFirst - static_cast<double>(row));
    const auto column = [&](double SunTableDay::*value) {
        return std::array<double, 4>{days[row - 1].*value, days[row].*value, days[row + 1].*value,
                                     days[row + 2].*value};
    };
    const std::array<double, 4> rightAscension = Unwrapped(column(&SunTableDay::RightAscension));
    const std::array<double, 4> declination = column(&SunTableDay::Declination);
    const std::array<double, 4> siderealTime = Unwrapped(column(&SunTableDay::SiderealTimeLessTurns));
    TabledSun sun;
    sun.RightAscension = Normalized(Dot(cubic.Value, rightAscension));
    sun.Declination = Dot(cubic.Value, declination);
    sun.RightAscensionRate = Dot(cubic.Rate, rightAscension);
    sun.DeclinationRate = Dot(cubic.Rate, declination);
    sun.DistanceAU = Dot(cubic.Value, column(&SunTableDay::DistanceAU));
    sun.SiderealTime = Normalized(Dot(cubic.Value, siderealTime) + SiderealDegreesPerDay * sinceFirst);
    return sun;
}

}  // namespace grahavani
