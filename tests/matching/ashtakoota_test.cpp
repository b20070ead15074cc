#include "matching/ashtakoota.h"

#include <gtest/gtest.h>

#include "matching/porutham.h"
#include "matching/star_classes.h"
#include "tests/matching/star_longitudes.h"

namespace grahavani {
namespace {

using test::AtSign;
using test::AtStar;

Ashtakoota Match(double boy, double girl) { return AshtakootaOf(MoonPlacementOf(boy), MoonPlacementOf(girl)); }
bool Agrees(double boy, double girl, PoruthamName name) {
    return PoruthamsOf(MoonPlacementOf(boy), MoonPlacementOf(girl))[name];
}

TEST(MoonPlacement, TrueQuarterSignAndHalfAtTheirBoundaries) {
    const struct {
        double longitude;
        int nakshatra, pada, sign;
        bool laterHalf;
    } rows[] = {{0, 0, 1, 0, false}, {10.0 / 3, 0, 2, 0, false}, {40.0 / 3, 1, 1, 0, false}, {45.5, 3, 2, 1, true},
                {AtSign(8, 14 + 59 / 60.0), 19, 1, 8, false}, {AtSign(8, 15), 19, 1, 8, true}, {-0.5, 26, 4, 11, true}};
    for (const auto& row : rows) {
        const MoonPlacement moon = MoonPlacementOf(row.longitude);
        EXPECT_EQ((std::array{moon.Nakshatra, moon.Pada, moon.Sign}),
                  (std::array{row.nakshatra, row.pada, row.sign})) << row.longitude;
        EXPECT_EQ(moon.LaterHalfOfSign, row.laterHalf) << row.longitude;
    }
}

// [boy][girl] tables over one sign or star of each class.
TEST(Ashtakoota, VashyaGrahaMaitriAndGanaForEveryPairOfClasses) {
    const struct {
        KootaName koota;
        std::vector<double> longitudes;
        std::vector<std::vector<double>> points;
    } tables[] = {
        {KootaName::Vashya,  // Aries, Gemini, Cancer, Leo, Scorpio; Sagittarius and Capricorn split at 15°
         {AtSign(0), AtSign(2), AtSign(3), AtSign(4), AtSign(7), AtSign(8, 15), AtSign(8, 14 + 59 / 60.0),
          AtSign(9, 15)},
         {{2, 1, 1, 0.5, 1, 2, 1, 1}, {1, 2, 0.5, 0, 1, 1, 2, 0.5}, {1, 0.5, 2, 1, 1, 1, 0.5, 2},
          {0.5, 0, 1, 2, 0, 0.5, 0, 1}, {1, 1, 1, 0, 2, 1, 1, 1}}},
        {KootaName::GrahaMaitri,  // the signs of Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn
         {AtSign(4), AtSign(3), AtSign(2), AtSign(1), AtSign(0), AtSign(8), AtSign(9)},
         {{5, 5, 4, 0, 5, 5, 0}, {5, 5, 1, 0.5, 4, 4, 0.5}, {4, 1, 5, 5, 0.5, 0.5, 4}, {0, 0.5, 5, 5, 3, 0.5, 5},
          {5, 4, 0.5, 3, 5, 5, 0.5}, {5, 4, 0.5, 0.5, 5, 5, 3}, {0, 0.5, 4, 5, 0.5, 3, 5}}},
        {KootaName::Gana, {AtStar(0), AtStar(1), AtStar(2)}, {{6, 6, 0}, {5, 6, 0}, {1, 0, 6}}},  // D, M, R
    };
    for (const auto& table : tables) {
        for (std::size_t boy = 0; boy < table.points.size(); ++boy) {
            for (std::size_t girl = 0; girl < table.longitudes.size(); ++girl) {
                const double points = table.points[boy][girl];
                const double boyMoon = table.longitudes[boy], girlMoon = table.longitudes[girl];
                EXPECT_EQ(Match(boyMoon, girlMoon)[table.koota].Score, points) << boy << " " << girl;
                // An enemy lord on either side is in every pair scoring 1 or less; Deva with Manushya agrees.
                if (table.koota == KootaName::GrahaMaitri) {
                    EXPECT_EQ(Agrees(boyMoon, girlMoon, PoruthamName::RasiAdhipati), points >= 3);
                }
                if (table.koota == KootaName::Gana) {
                    EXPECT_EQ(Agrees(boyMoon, girlMoon, PoruthamName::Gana), points >= 5);
                }
            }
        }
    }
}

TEST(Ashtakoota, TaraYoniBhakootAndNadi) {
    const double taraPoints[9] = {3, 3, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 3};  // by the girl's star less the boy's
    for (int steps = 0; steps < 27; ++steps) {
        const Ashtakoota match = Match(AtStar(5), AtStar(5 + steps));
        EXPECT_EQ((std::array{match.BoyTara, match.GirlTara}), (std::array{steps % 9 + 1, (27 - steps) % 9 + 1}));
        EXPECT_EQ(match[KootaName::Tara].Score, taraPoints[steps % 9]) << steps;
    }
    const std::pair<int, int> swornEnemies[] = {{0, 12}, {1, 22}, {2, 19}, {3, 20}, {5, 16}, {6, 9}, {11, 13}};
    for (const auto& [one, other] : swornEnemies) {
        EXPECT_EQ(Match(AtStar(one), AtStar(other))[KootaName::Yoni].Score, 0) << one;
    }
    EXPECT_EQ(Match(AtStar(0), AtStar(3))[KootaName::Yoni].Score, 3);   // Horse, Serpent
    EXPECT_EQ(Match(AtStar(0), AtStar(23))[KootaName::Yoni].Score, 4);  // both Horse

    const std::string_view distances[12] = {"1/1", "2/12", "3/11", "4/10", "5/9",  "6/8",
                                            "7/7", "6/8",  "5/9",  "4/10", "3/11", "2/12"};
    for (int count = 0; count < 12; ++count) {
        const Ashtakoota match = Match(AtSign(3), AtSign(3 + count));
        EXPECT_EQ(match.BhakootDistance, distances[count]);
        const bool agrees = count == 0 || count == 2 || count == 3 || count == 6 || count == 9 || count == 10;
        EXPECT_EQ(match[KootaName::Bhakoot].Score, agrees ? 7 : 0) << count + 1;
        EXPECT_EQ(Agrees(AtSign(3), AtSign(3 + count), PoruthamName::Rasi), agrees);
    }
    const Nadi nadis[6] = {Nadi::Adi, Nadi::Madhya, Nadi::Antya, Nadi::Antya, Nadi::Madhya, Nadi::Adi};
    const Rajju rajjus[9] = {Rajju::Pada, Rajju::Kati, Rajju::Nabhi, Rajju::Kantha, Rajju::Siro,
                             Rajju::Kantha, Rajju::Nabhi, Rajju::Kati, Rajju::Pada};
    for (int star = 0; star < 27; ++star) {
        EXPECT_EQ(StarClassesOf(star).Pulse, nadis[star % 6]) << star;
        EXPECT_EQ(StarClassesOf(star).Cord, rajjus[star % 9]) << star;
        EXPECT_EQ(Match(AtStar(0), AtStar(star))[KootaName::Nadi].Score, nadis[star % 6] == Nadi::Adi ? 0 : 8);
    }
}

TEST(Ashtakoota, VerdictEdges) {
    const std::pair<double, std::string_view> rows[] = {{17.5, "Not recommended"}, {18, "Average"},
                                                       {24.5, "Average"}, {25, "Good"},
                                                       {32, "Good"},      {32.5, "Excellent"}};
    for (const auto& [total, verdict] : rows) EXPECT_EQ(AshtakootaVerdict(total), verdict) << total;
}

TEST(Porutham, CountsFromTheGirlsStarAtTheirEdges) {
    const struct {
        int count;  // from the girl's star to the boy's, both inclusive
        bool dina, mahendra, streeDeergha;
    } rows[] = {{1, false, false, false}, {2, true, false, false},  {4, true, true, false},
                {5, false, false, false}, {9, true, false, false},  {13, true, true, false},
                {14, false, false, true}, {25, false, true, true},  {26, true, false, true}};
    for (const auto& row : rows) {
        for (const int girl : {0, 20}) {  // and past Revati
            const double boy = AtStar(girl + row.count - 1);
            EXPECT_EQ((std::array{Agrees(boy, AtStar(girl), PoruthamName::Dina),
                                  Agrees(boy, AtStar(girl), PoruthamName::Mahendra),
                                  Agrees(boy, AtStar(girl), PoruthamName::StreeDeergha)}),
                      (std::array{row.dina, row.mahendra, row.streeDeergha})) << row.count;
        }
    }
}

TEST(Porutham, VedhaRajjuAndVasyaPairs) {
    const std::pair<int, int> vedhas[] = {{0, 17}, {1, 16}, {2, 15},  {3, 14},  {5, 21},  {6, 20}, {7, 19}, {8, 18},
                                          {9, 26}, {10, 25}, {11, 24}, {12, 23}, {4, 13}, {4, 22}, {13, 22}};
    for (const auto& [one, other] : vedhas) {
        EXPECT_FALSE(Agrees(AtStar(one), AtStar(other), PoruthamName::Vedha)) << one << " " << other;
        EXPECT_FALSE(Agrees(AtStar(other), AtStar(one), PoruthamName::Vedha)) << other << " " << one;
    }
    EXPECT_TRUE(Agrees(AtStar(4), AtStar(4), PoruthamName::Vedha));
    EXPECT_TRUE(Agrees(AtStar(13), AtStar(21), PoruthamName::Vedha));
    EXPECT_FALSE(Agrees(AtStar(0), AtStar(8), PoruthamName::Rajju));  // Ashwini, Ashlesha: both Pada
    EXPECT_TRUE(Agrees(AtStar(0), AtStar(1), PoruthamName::Rajju));
    const struct {
        int boySign, girlSign;
        bool vasya;
    } signs[] = {{0, 4, true}, {4, 0, true}, {0, 7, true}, {9, 10, true}, {10, 0, true}, {11, 9, true},
                 {0, 1, false}, {2, 2, false}, {10, 11, false}};
    for (const auto& row : signs) {
        EXPECT_EQ(Agrees(AtSign(row.boySign), AtSign(row.girlSign), PoruthamName::Vasya), row.vasya) << row.boySign;
    }
}

}  // namespace
}  // namespace grahavani
