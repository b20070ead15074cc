#include "matching/porutham.h"

#include <gtest/gtest.h>

#include "tests/matching/star_longitudes.h"

namespace grahavani {
namespace {

using test::AtSign;
using test::AtStar;

bool Agrees(double boy, double girl, PoruthamName name) {
    return PoruthamsOf(MoonPlacementOf(boy), MoonPlacementOf(girl))[name];
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
