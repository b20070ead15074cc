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

    // In Hindi and Tamil the date reads day, month, year: "5 मार्च 1980", "5 மார்ச் 1980".
    const auto hindi = HeaderLines(birth, Language::Hindi);
    EXPECT_EQ(hindi[4], "\u091C\u0928\u094D\u092E \u0924\u093F\u0925\u093F: 5 \u092E\u093E\u0930\u094D\u091A 1980");
    EXPECT_EQ(hindi[5], "\u091C\u0928\u094D\u092E \u0938\u092E\u092F: 7 \u0918\u0902\u091F\u0947 5 \u092E\u093F\u0928\u091F ");
    const auto tamil = HeaderLines(birth, Language::Tamil);
    EXPECT_NE(tamil[4].find(": 5 \u0BAE\u0BBE\u0BB0\u0BCD\u0B9A\u0BCD 1980"), std::string::npos) << tamil[4];
}

}  // namespace
}  // namespace grahavani
