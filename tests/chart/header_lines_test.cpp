#include "chart/header_lines.h"

#include <gtest/gtest.h>

namespace grahavani {
namespace {

TEST(HeaderLines, NumbersWithoutLeadingZerosAndNoDirections) {
    BirthRecord birth;
    birth.Day = 5;
    birth.Month = 3;
    birth.Year = 1980;
    birth.Hour = 7;
    birth.Minute = 5;
    birth.LatitudeDegrees = 28;
    birth.LatitudeMinutes = 38;
    birth.LongitudeDegrees = -3;
    birth.LongitudeMinutes = 0;
    const auto north = HeaderLines(birth);
    EXPECT_EQ(north[0], "Name: ");
    EXPECT_EQ(north[4], "Date of Birth: March 5, 1980");
    EXPECT_EQ(north[5], "Time of Birth: 7 HH 5 MM ");
    EXPECT_EQ(north[6], "Latitude: 28 Degree 38 Minute");
    EXPECT_EQ(north[7], "Longitude: -3 Degree 0 Minute");

    birth.IsSouth = true;
    birth.IsEast = true;
    EXPECT_EQ(HeaderLines(birth), north);
}

}  // namespace
}  // namespace grahavani
