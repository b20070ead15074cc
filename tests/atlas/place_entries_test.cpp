#include "atlas/place_entries.h"

#include <gtest/gtest.h>

namespace grahavani {
namespace {

// Minutes worked by hand: 40.4165 * 60 = 2424.99, 3.70256 * 60 = 222.15, 22.90278 * 60 = 1374.17,
// 43.2075 * 60 = 2592.45, 0.9999 * 60 = 59.994 (a whole degree).
TEST(EnterAtlasPlace, NamesAndCoordinatesRoundedToWholeMinutes) {
    const struct {
        AtlasPlace place;
        const char* latitude[2];
        bool south;
        const char* longitude[2];
        bool east;
    } cases[] = {
        {{"Madrid", "Madrid", "Spain", "ES", "Europe/Madrid", 40.4165, -3.70256, 0}, {"40", "25"}, false, {"3", "42"}, false},
        {{"Rio", "Rio de Janeiro", "Brazil", "BR", "America/Sao_Paulo", -22.90278, -43.2075, 0}, {"22", "54"}, true, {"43", "12"}, false},
        {{"Edge", "", "Nowhere", "", "", 0.9999, 0.9999, 0}, {"1", "0"}, false, {"1", "0"}, true},
    };
    for (const auto& c : cases) {
        BirthEntries e;
        e.Name = "kept";
        EnterAtlasPlace(c.place, e);
        EXPECT_EQ(e.Name, "kept");
        EXPECT_EQ(e.City, c.place.Name);
        EXPECT_EQ(e.State, c.place.State);
        EXPECT_EQ(e.Country, c.place.Country);
        EXPECT_EQ(e.LatitudeDegrees, c.latitude[0]) << c.place.Name;
        EXPECT_EQ(e.LatitudeMinutes, c.latitude[1]) << c.place.Name;
        EXPECT_EQ(e.IsSouth, c.south) << c.place.Name;
        EXPECT_EQ(e.LongitudeDegrees, c.longitude[0]) << c.place.Name;
        EXPECT_EQ(e.LongitudeMinutes, c.longitude[1]) << c.place.Name;
        EXPECT_EQ(e.IsEast, c.east) << c.place.Name;
        const auto back = EnteredCoordinates(e);
        ASSERT_TRUE(back);
        EXPECT_NEAR(back->Latitude, c.place.Latitude, 1 / 120.0) << c.place.Name;
        EXPECT_NEAR(back->Longitude, c.place.Longitude, 1 / 120.0) << c.place.Name;
    }
    BirthEntries typed;
    typed.LatitudeDegrees = "x";
    EXPECT_FALSE(EnteredCoordinates(typed));
}

}  // namespace
}  // namespace grahavani
