#include "atlas/place_search.h"

#include <gtest/gtest.h>

#include <string>

namespace grahavani {
namespace {

// Expected places read from libgeonames 0.3.0 (Debian 12) with a throw-away C program over its API.
TEST(PlaceSearch, FindsPlacesByWordPrefixExactNamesThenMostPopulousFirst) {
    struct Case {
        const char* query;
        const char* name;
        const char* state;
        const char* countryCode;
    };
    const Case cases[] = {
        {"sao paulo", "São Paulo", "São Paulo", "BR"},            // accents folded away
        {"SÃO PAULO", "São Paulo", "São Paulo", "BR"},            // and upper case
        {"paulo", "São Paulo", "São Paulo", "BR"},                // a later word of the name
        {"dusseldorf", "Düsseldorf", "North Rhine-Westphalia", "DE"},
        {"xi an", "Xi'an", "Shaanxi", "CN"},                      // punctuation reads as a space
        {"London", "London", "England", "GB"},                    // the most populous London
        {"London, Ontario", "London", "Ontario", "CA"},           // narrowed by state
        {"London, GB", "London", "England", "GB"},                // by ISO code
        {"london, canada", "London", "Ontario", "CA"},            // by country name
        {"Springfield, Illinois", "Springfield", "Illinois", "US"},
        {"Springfield, Missouri, United States", "Springfield", "Missouri", "US"},
        {"Kolkata, West Bengal", "Kolkata", "State of West Bengal", "IN"},
        {"Varan, India", "Varanasi", "State of Uttar Pradesh", "IN"},  // as the user types
        // A whole name beats more populous places it only begins.
        {"York", "York", "England", "GB"},                        // not New York
        {"Bath", "Bath", "England", "GB"},                        // not Bathinda
        {"Male", "Malé", "Kaafu Atoll", "MV"},                    // not Malegaon
        {"zu\xcc\x88rich", "Zurich", "Canton of Zurich", "CH"},  // "u" and a combining diaeresis
        {"Z\xc3\xbcrich", "Zurich", "Canton of Zurich", "CH"},    // composed
        {"Sa\xcc\x83o Paulo", "São Paulo", "São Paulo", "BR"},     // a combining tilde
        {"Kiev", "Kyiv", "Kyiv City", "UA"},                      // an old name, exact
        {"Gent", "Ghent", "Flemish Region", "BE"},
        {"Chisinau", "Chi\xc8\x99in\xc4\x83u", "Chi\xc8\x99in\xc4\x83u Municipality", "MD"},  // s with comma below
    };
    for (const auto& c : cases) {
        const auto matches = FindPlaces(c.query, 5);
        ASSERT_FALSE(matches.Places.empty()) << c.query;
        EXPECT_EQ(matches.Places.front()->Name, c.name) << c.query;
        EXPECT_EQ(matches.Places.front()->State, c.state) << c.query;
        EXPECT_EQ(matches.Places.front()->CountryCode, c.countryCode) << c.query;
        for (std::size_t i = 1; i < matches.Places.size(); ++i) {
            if (i == matches.ExactCount) continue;  // where the exact names end and the prefixes begin
            EXPECT_GE(matches.Places[i - 1]->Population, matches.Places[i]->Population) << c.query;
        }
    }
}

TEST(PlaceSearch, CountsEveryMatchButReturnsAtMostTheLimit) {
    const auto matches = FindPlaces("Springfield", 3);
    EXPECT_EQ(matches.Places.size(), 3u);
    EXPECT_GE(matches.Count, 9u);  // nine US Springfields alone
    EXPECT_EQ(FindPlaces("Springfield", 0).Count, matches.Count);
}

TEST(PlaceSearch, EveryAliasResolvesToItsPlace) {
    for (const auto& alias : PlaceAliases()) {
        const auto matches = FindPlaces(alias.Alias, 1);
        ASSERT_EQ(matches.Places.size(), 1u) << alias.Alias;
        EXPECT_EQ(matches.Places.front(), &AtlasPlaces()[alias.PlaceIndex]) << alias.Alias;
    }
    ASSERT_FALSE(FindPlaces("Bombay", 1).Places.empty());
    EXPECT_EQ(FindPlaces("Bombay", 1).Places.front()->Name, "Mumbai");
    EXPECT_EQ(FindPlaces("leopoldville", 1).Places.front()->Name, "Kinshasa");
}

TEST(PlaceSearch, FindsNothingForQueriesThatMatchNoPlace) {
    for (const char* query : {"", " , ", "Xyzzyq", "London, Narnia", "Kolkata, Bihar, India", "a, b, c, d",
                              "\xff\xfe", "ondon"}) {
        const auto matches = FindPlaces(query, 10);
        EXPECT_TRUE(matches.Places.empty()) << query;
        EXPECT_EQ(matches.Count, 0u) << query;
    }
}

TEST(PlaceSearch, SuggestsTheNearestPlaceInACountry) {
    struct Case {
        const char* country;
        double latitude, longitude;
        const char* name;  // null: none
    };
    const Case cases[] = {
        {"IN", 22.57, 88.36, "Kolkata"},
        {"", 51.51, -0.13, "London"},
        {"United Kingdom", 51.51, -0.13, "London"},
        {"Narnia", 51.51, -0.13, nullptr},
    };
    for (const auto& c : cases) {
        const auto* place = NearestPlace(c.country, c.latitude, c.longitude);
        if (!c.name) {
            EXPECT_EQ(place, nullptr) << c.country;
            continue;
        }
        ASSERT_NE(place, nullptr) << c.country;
        EXPECT_EQ(place->Name, c.name) << c.country;
    }
}

}  // namespace
}  // namespace grahavani
