#include "matching/ashtakoota.h"

#include <gtest/gtest.h>

#include "matching/porutham.h"
#include "matching/star_classes.h"
#include "model/chart_result.h"
#include "tests/matching/star_longitudes.h"

namespace grahavani {
namespace {

using test::AtSign;
using test::AtStar;

Ashtakoota Match(double boy, double girl) { return AshtakootaOf(MoonPlacementOf(boy), MoonPlacementOf(girl)); }

TEST(MoonPlacement, TrueQuarterSignAndHalfAtTheirBoundaries) {
    const struct {
        double longitude;
        int nakshatra, pada, sign;
        bool laterHalf;
    } rows[] = {
        {0, 0, 1, 0, false},           {10.0 / 3, 0, 2, 0, false},       {40.0 / 3, 1, 1, 0, false},
        {45.5, 3, 2, 1, true},         {165, 12, 2, 5, true},            {240 + 14 + 59 / 60.0, 19, 1, 8, false},
        {255, 19, 1, 8, true},         {359.999, 26, 4, 11, true},       {-0.5, 26, 4, 11, true},
    };
    for (const auto& row : rows) {
        const MoonPlacement moon = MoonPlacementOf(row.longitude);
        EXPECT_EQ(moon.Nakshatra, row.nakshatra) << row.longitude;
        EXPECT_EQ(moon.Pada, row.pada) << row.longitude;
        EXPECT_EQ(moon.Sign, row.sign) << row.longitude;
        EXPECT_EQ(moon.LaterHalfOfSign, row.laterHalf) << row.longitude;
    }
}

TEST(Ashtakoota, VashyaEveryCellAndTheSplitSigns) {
    // Aries, Gemini, Cancer, Leo, Scorpio: one sign of each group.
    const std::array<double, 5> groups = {AtSign(0), AtSign(2), AtSign(3), AtSign(4), AtSign(7)};
    const double points[5][5] = {{2, 1, 1, 0.5, 1}, {1, 2, 0.5, 0, 1}, {1, 0.5, 2, 1, 1},
                                 {0.5, 0, 1, 2, 0}, {1, 1, 1, 0, 2}};
    for (std::size_t boy = 0; boy < 5; ++boy) {
        for (std::size_t girl = 0; girl < 5; ++girl) {
            EXPECT_EQ(Match(groups[boy], groups[girl])[KootaName::Vashya].Score, points[boy][girl]) << boy << girl;
        }
    }
    const struct {
        double longitude;
        std::string_view group;
    } halves[] = {{AtSign(8, 14 + 59 / 60.0), "Manava"},
                  {AtSign(8, 15), "Chatushpada"},
                  {AtSign(9, 14 + 59 / 60.0), "Chatushpada"},
                  {AtSign(9, 15), "Jalachara"}};
    for (const auto& half : halves) EXPECT_EQ(Match(half.longitude, 0)[KootaName::Vashya].Boy, half.group);
}

TEST(Ashtakoota, TaraForEveryCountBothWays) {
    // By the girl's star counted from the boy's, less one, modulo 9.
    const double scores[9] = {3, 3, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 3};
    for (int steps = 0; steps < 27; ++steps) {
        const Ashtakoota match = Match(AtStar(5), AtStar(5 + steps));
        EXPECT_EQ(match.BoyTara, steps % 9 + 1) << steps;
        EXPECT_EQ(match.GirlTara, (27 - steps) % 9 + 1) << steps;
        EXPECT_EQ(match[KootaName::Tara].Score, scores[steps % 9]) << steps;
    }
}

TEST(Ashtakoota, YoniSwornEnemiesFriendsAndTheSameAnimal) {
    const struct {
        int boy, girl;  // stars
        double points;
    } rows[] = {
        {0, 12, 0},  {1, 22, 0},  {2, 19, 0}, {3, 20, 0}, {5, 16, 0}, {6, 9, 0}, {11, 13, 0},  // sworn
        {12, 0, 0},  {0, 3, 3},   {0, 23, 4}, {3, 4, 4},  {13, 1, 1},
    };
    for (const auto& row : rows) {
        const Ashtakoota match = Match(AtStar(row.boy), AtStar(row.girl));
        EXPECT_EQ(match[KootaName::Yoni].Score, row.points) << row.boy << " " << row.girl;
        EXPECT_EQ(PoruthamsOf(MoonPlacementOf(AtStar(row.boy)), MoonPlacementOf(AtStar(row.girl)))[PoruthamName::Yoni],
                  row.points != 0);
    }
}

TEST(Ashtakoota, GrahaMaitriForEveryPairOfLords) {
    // A sign of each lord in BodyOrder: Leo, Cancer, Gemini, Taurus, Aries, Sagittarius, Capricorn.
    const std::array<int, 7> signs = {4, 3, 2, 1, 0, 8, 9};
    const double points[7][7] = {
        {5, 5, 4, 0, 5, 5, 0},   {5, 5, 1, 0.5, 4, 4, 0.5}, {4, 1, 5, 5, 0.5, 0.5, 4}, {0, 0.5, 5, 5, 3, 0.5, 5},
        {5, 4, 0.5, 3, 5, 5, 0.5}, {5, 4, 0.5, 0.5, 5, 5, 3}, {0, 0.5, 4, 5, 0.5, 3, 5}};
    for (std::size_t boy = 0; boy < 7; ++boy) {
        for (std::size_t girl = 0; girl < 7; ++girl) {
            const MoonPlacement boyMoon = MoonPlacementOf(AtSign(signs[boy]));
            const MoonPlacement girlMoon = MoonPlacementOf(AtSign(signs[girl]));
            ASSERT_EQ(boyMoon.SignLord, boy);
            EXPECT_EQ(AshtakootaOf(boyMoon, girlMoon)[KootaName::GrahaMaitri].Score, points[boy][girl]) << boy << girl;
            // An enemy on either side is in every pair scoring 1 or less.
            EXPECT_EQ(PoruthamsOf(boyMoon, girlMoon)[PoruthamName::RasiAdhipati], points[boy][girl] >= 3);
        }
    }
}

TEST(Ashtakoota, GanaThreeByThree) {
    const std::array<int, 3> stars = {0, 1, 2};  // Deva, Manushya, Rakshasa
    const double points[3][3] = {{6, 6, 0}, {5, 6, 0}, {1, 0, 6}};
    const bool agree[3][3] = {{true, true, false}, {true, true, false}, {false, false, true}};
    for (std::size_t boy = 0; boy < 3; ++boy) {
        for (std::size_t girl = 0; girl < 3; ++girl) {
            const MoonPlacement boyMoon = MoonPlacementOf(AtStar(stars[boy]));
            const MoonPlacement girlMoon = MoonPlacementOf(AtStar(stars[girl]));
            EXPECT_EQ(AshtakootaOf(boyMoon, girlMoon)[KootaName::Gana].Score, points[boy][girl]);
            EXPECT_EQ(PoruthamsOf(boyMoon, girlMoon)[PoruthamName::Gana], agree[boy][girl]);
        }
    }
}

TEST(Ashtakoota, BhakootForAllTwelveDistances) {
    const double points[12] = {7, 0, 7, 7, 0, 0, 7, 0, 0, 7, 7, 0};
    const std::string_view distances[12] = {"1/1", "2/12", "3/11", "4/10", "5/9", "6/8",
                                            "7/7", "6/8",  "5/9",  "4/10", "3/11", "2/12"};
    for (int count = 0; count < 12; ++count) {
        const MoonPlacement boy = MoonPlacementOf(AtSign(3));
        const MoonPlacement girl = MoonPlacementOf(AtSign(3 + count));
        const Ashtakoota match = AshtakootaOf(boy, girl);
        EXPECT_EQ(match[KootaName::Bhakoot].Score, points[count]) << count + 1;
        EXPECT_EQ(match.BhakootDistance, distances[count]);
        EXPECT_EQ(PoruthamsOf(boy, girl)[PoruthamName::Rasi], points[count] == 7);
    }
}

TEST(Ashtakoota, NadiAndRajjuFollowTheirZigzags) {
    const Nadi nadis[6] = {Nadi::Adi, Nadi::Madhya, Nadi::Antya, Nadi::Antya, Nadi::Madhya, Nadi::Adi};
    const Rajju rajjus[9] = {Rajju::Pada, Rajju::Kati,  Rajju::Nabhi, Rajju::Kantha, Rajju::Siro,
                             Rajju::Kantha, Rajju::Nabhi, Rajju::Kati, Rajju::Pada};
    for (int star = 0; star < 27; ++star) {
        EXPECT_EQ(StarClassesOf(star).Pulse, nadis[star % 6]) << star;
        EXPECT_EQ(StarClassesOf(star).Cord, rajjus[star % 9]) << star;
        EXPECT_EQ(Match(AtStar(0), AtStar(star))[KootaName::Nadi].Score, nadis[star % 6] == Nadi::Adi ? 0 : 8);
    }
}

TEST(Ashtakoota, VerdictEdges) {
    const struct {
        double total;
        std::string_view verdict;
    } rows[] = {{17.5, "Not recommended"}, {18, "Average"}, {24.5, "Average"},
                {25, "Good"},              {32, "Good"},    {32.5, "Excellent"}};
    for (const auto& row : rows) EXPECT_EQ(AshtakootaVerdict(row.total), row.verdict) << row.total;
}

}  // namespace
}  // namespace grahavani
