#include "engines/classic/planets.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engines/classic/ascendant.h"
#include "engines/classic/moon.h"
#include "tests/chart/test_births.h"

namespace grahavani {
namespace {

TEST(GeocentricLongitude, TropicalLongitudesAtJ2000) {
    EXPECT_NEAR(GeocentricLongitude(Mercury, 0), 271.906024, 1e-6);
    EXPECT_NEAR(GeocentricLongitude(Venus, 0), 241.578068, 1e-6);
    EXPECT_NEAR(GeocentricLongitude(Earth, 0), 280.379632, 1e-6);
    EXPECT_NEAR(GeocentricLongitude(Mars, 0), 327.982802, 1e-6);
    EXPECT_NEAR(GeocentricLongitude(Jupiter, 0), 25.361134, 1e-6);
    EXPECT_NEAR(GeocentricLongitude(Saturn, 0), 40.214662, 1e-6);
}

TEST(SolveKepler, SolvesKeplersEquation) {
    for (const double e : {0.0, 0.0167, 0.2056}) {
        for (const double M : {0.0, 0.5, 3.0, 3.14159265358979, 6.0}) {
            const double nu = SolveKepler(M, e);
            ASSERT_GE(nu, 0);
            ASSERT_LT(nu, 6.28318530717958);
            const double E = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(nu / 2));
            EXPECT_NEAR(std::remainder(E - e * std::sin(E) - M, 2 * M_PI), 0, 1e-9);
        }
    }
}

TEST(OrbitalElements, MeanLongitudeIsReduced) {
    for (const double d : {-36525.0, 0.0, 18262.0}) {
        for (int row = 0; row < 6; ++row) {
            const OrbitalElementSet el = OrbitalElements(row, d);
            EXPECT_GE(el.meanLongitude, 0);
            EXPECT_LT(el.meanLongitude, 6.28318530717958);
        }
    }
}

TEST(ComputePlanets, SiderealTextsAtJ2000) {
    ChartResult chart;
    const BirthRecord birth = test::NoonJ2000();
    ComputeAscendant(birth, chart);
    ComputeMoon(birth, chart);
    ComputePlanets(birth, chart);
    EXPECT_EQ(chart.PlanetTexts[0], "8\u00B0 3' 7\" Sag");
    EXPECT_EQ(chart.PlanetTexts[1], "7\u00B0 43' 26\" Sco");
    EXPECT_EQ(chart.PlanetTexts[2], "16\u00B0 31' 32\" Sag");
    EXPECT_EQ(chart.PlanetTexts[3], "4\u00B0 7' 43\" Aqu");
    EXPECT_EQ(chart.PlanetTexts[4], "1\u00B0 30' 25\" Ari");
    EXPECT_EQ(chart.PlanetTexts[5], "16\u00B0 21' 38\" Ari");
    EXPECT_EQ(chart.RahuText, "10\u00B0 16' 6\" Can");
    EXPECT_EQ(chart.KetuText, "10\u00B0 16' 6\" Cap");
    EXPECT_EQ(chart.PositionTexts[0], "16 Sag 31");
    EXPECT_EQ(chart.PositionTexts[7], "10 Can 16");
}

TEST(ComputePlanets, MirrorLongitudesGiveDifferentDayCounts) {
    BirthRecord east = test::Delhi1947();
    BirthRecord west = east;
    west.IsEast = false;
    ChartResult eastChart, westChart;
    for (auto [birth, chart] : {std::pair{&east, &eastChart}, std::pair{&west, &westChart}}) {
        ComputeAscendant(*birth, *chart);
        ComputeMoon(*birth, *chart);
        ComputePlanets(*birth, *chart);
    }
    EXPECT_EQ(eastChart.UniversalTimeHours, -5.5);
    EXPECT_EQ(westChart.UniversalTimeHours, 5.5);
    EXPECT_NE(eastChart.PlanetTexts[2], westChart.PlanetTexts[2]);
}

}  // namespace
}  // namespace grahavani
