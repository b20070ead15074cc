#include "matching/chart_match.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/matching/star_longitudes.h"

namespace grahavani {
namespace {

using test::AtSign;
using test::AtStar;

// Lagna, Moon, Venus and Mars at the longitudes given, the rest at 0°.
std::array<double, BodyCount> ChartOf(double moon, double lagna = 0, double venus = 0, double mars = AtSign(4)) {
    std::array<double, BodyCount> longitudes{};
    longitudes[MoonBody] = moon;
    longitudes[AscendantPoint] = lagna;
    longitudes[VenusBody] = venus;
    longitudes[MarsBody] = mars;
    return longitudes;
}

TEST(ChartMatch, NotesAndTheirNearMisses) {
    const struct {
        std::array<double, BodyCount> boy, girl;
        std::string note;  // expected, or with `written` false the start of none
        bool written;
    } rows[] = {
        {ChartOf(AtStar(3, 2)), ChartOf(AtStar(3, 3)),
         "Nadi dosha cancelled: both Moons in Rohini, padas 2 and 3", true},
        {ChartOf(AtStar(3, 2)), ChartOf(AtStar(3, 2)), "Nadi dosha cancelled", false},
        {ChartOf(AtStar(3, 2)), ChartOf(AtStar(3, 2)),
         "Nadi dosha at its strongest: both Moons in Rohini, pada 2", true},
        {ChartOf(AtStar(2, 1)), ChartOf(AtStar(2, 2)),
         "Nadi dosha cancelled: both Moons in Krittika, in Aries and Taurus", true},
        {ChartOf(AtSign(1, 5)), ChartOf(AtSign(1, 12)),
         "Nadi dosha cancelled: both Moons in Taurus, in Krittika and Rohini", true},
        {ChartOf(AtSign(7)), ChartOf(AtSign(0)),
         "Bhakoot dosha cancelled: Aries and Scorpio are both ruled by Mars", true},
        {ChartOf(AtSign(0)), ChartOf(AtSign(5)), "Bhakoot dosha", false},  // 6/8 of Mars and Mercury
        {ChartOf(AtSign(1, 15.5)), ChartOf(AtSign(5, 15)),
         "Bhakoot dosha eased: Venus and Mercury, the lords of Taurus and Virgo, are mutual friends", true},
        {ChartOf(AtSign(0), 0, 0, 0), ChartOf(AtSign(2), 0, 0, 0),
         "Both charts are Manglik: the Kuja dosha of one balances the other's", true},
        {ChartOf(AtSign(0)), ChartOf(AtSign(2), 0, 0, 0),
         "Only the girl's chart is Manglik: the Kuja dosha stands unbalanced", true},
        {ChartOf(AtSign(0)), ChartOf(AtSign(2)), "", false},
    };
    for (const auto& row : rows) {
        const std::vector<std::string> notes = MatchCharts(row.boy, row.girl).Kootas.Notes;
        const bool found = row.written ? std::ranges::count(notes, row.note) == 1
                                       : std::ranges::any_of(notes, [&](const auto& note) {
                                             return note.starts_with(row.note);
                                         });
        EXPECT_EQ(found, row.written) << row.note;
    }
}

TEST(ChartMatch, ManglikFromEachReference) {
    // Mars in Leo, the 5th from the references left in Aries.
    const struct {
        std::size_t reference;  // ManglikReference
        int sign, house;
    } rows[] = {{0, 3, 2}, {0, 5, 12}, {1, 3, 2}, {1, 5, 12}, {2, 3, 2}, {2, 5, 12}, {2, 6, 11}, {1, 4, 1}};
    for (const auto& row : rows) {
        std::array<double, 3> references = {AtSign(0), AtSign(0), AtSign(0)};
        references[row.reference] = AtSign(row.sign);
        const Manglik manglik = ManglikOf(ChartOf(references[1], references[0], references[2]));
        std::array<bool, 3> expected{};
        expected[row.reference] = row.house != 11;
        EXPECT_EQ(manglik.MarsHouses[row.reference], row.house);
        EXPECT_EQ(manglik.FromReference, expected) << row.reference << " " << row.sign;
        EXPECT_EQ(manglik.Any, row.house != 11);
    }
}

TEST(ChartMatch, EveryStarPadaPairScoresWithinTheTablesAndSwapsOnlyTheDirectionalOnes) {
    const std::array<std::set<double>, 8> allowed = {
        {{0, 1}, {0, 0.5, 1, 2}, {1.5, 3}, {0, 1, 2, 3, 4}, {0, 0.5, 1, 3, 4, 5}, {0, 1, 5, 6}, {0, 7}, {0, 8}}};
    const std::set<std::size_t> directionalKootas = {0, 1, 5};     // Varna, Vashya, Gana
    const std::set<std::size_t> directionalPoruthams = {0, 2, 3};  // Dina, Mahendra, Stree Deergha
    for (int boy = 0; boy < 108; ++boy) {
        for (int girl = 0; girl < 108; ++girl) {
            const MoonPlacement boyMoon = MoonPlacementOf(AtStar(boy / 4, boy % 4 + 1));
            const MoonPlacement girlMoon = MoonPlacementOf(AtStar(girl / 4, girl % 4 + 1));
            const Ashtakoota match = AshtakootaOf(boyMoon, girlMoon);
            const Ashtakoota swapped = AshtakootaOf(girlMoon, boyMoon);
            double sum = 0;
            for (std::size_t k = 0; k < 8; ++k) {
                const double score = match.Kootas[k].Score;
                ASSERT_TRUE(allowed[k].contains(score) && score <= match.Kootas[k].Maximum) << KootaKeys[k];
                ASSERT_TRUE(directionalKootas.contains(k) || score == swapped.Kootas[k].Score) << KootaKeys[k];
                sum += score;
            }
            ASSERT_EQ(match.Total, sum);
            ASSERT_EQ(match.Verdict, AshtakootaVerdict(sum));
            ASSERT_EQ(match.BoyTara, swapped.GirlTara);
            const Poruthams agreements = PoruthamsOf(boyMoon, girlMoon);
            const Poruthams swappedAgreements = PoruthamsOf(girlMoon, boyMoon);
            ASSERT_EQ(agreements[PoruthamName::Yoni], match[KootaName::Yoni].Score != 0);  // sworn enemies only
            for (std::size_t p = 0; p < 10; ++p) {
                ASSERT_TRUE(directionalPoruthams.contains(p) || agreements.Agrees[p] == swappedAgreements.Agrees[p])
                    << PoruthamKeys[p];
            }
        }
    }
}

}  // namespace
}  // namespace grahavani
