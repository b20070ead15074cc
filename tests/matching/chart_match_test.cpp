#include "matching/chart_match.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/matching/star_longitudes.h"

namespace grahavani {
namespace {

using test::AtSign;
using test::AtStar;

using Longitudes = std::array<double, BodyCount>;

// Lagna, Moon, Venus and Mars at the longitudes given.
Longitudes ChartOf(double moon, double lagna = 0, double venus = 0, double mars = AtSign(4)) {
    Longitudes longitudes{};
    longitudes[MoonBody] = moon;
    longitudes[AscendantPoint] = lagna;
    longitudes[VenusBody] = venus;
    longitudes[MarsBody] = mars;
    return longitudes;
}

bool HasNoteStarting(const ChartMatch& match, std::string_view start) {
    return std::ranges::any_of(match.Kootas.Notes, [&](const std::string& note) { return note.starts_with(start); });
}

TEST(ChartMatch, CancellationNotesAndTheirNearMisses) {
    const struct {
        double boy, girl;
        std::string note;  // the note expected, or the start of one that must not be
        bool written;
    } rows[] = {
        {AtStar(3, 2), AtStar(3, 3), "Nadi dosha cancelled: both Moons in Rohini, padas 2 and 3", true},
        {AtStar(3, 2), AtStar(3, 2), "Nadi dosha cancelled", false},
        {AtStar(3, 2), AtStar(3, 2), "Nadi dosha at its strongest: both Moons in Rohini, pada 2", true},
        {AtStar(2, 1), AtStar(2, 2), "Nadi dosha cancelled: both Moons in Krittika, in Aries and Taurus", true},
        {AtSign(1, 5), AtSign(1, 12), "Nadi dosha cancelled: both Moons in Taurus, in Krittika and Rohini", true},
        {AtSign(0), AtSign(7), "Bhakoot dosha cancelled: Aries and Scorpio are both ruled by Mars", true},
        {AtSign(7), AtSign(0), "Bhakoot dosha cancelled: Aries and Scorpio are both ruled by Mars", true},
        {AtSign(6), AtSign(1), "Bhakoot dosha cancelled: Taurus and Libra are both ruled by Venus", true},
        {AtSign(9), AtSign(10), "Bhakoot dosha cancelled: Capricorn and Aquarius are both ruled by Saturn", true},
        {AtSign(0), AtSign(5), "Bhakoot dosha", false},  // 6/8 of Mars and Mercury
        {AtSign(1, 15.5), AtSign(5, 15),
         "Bhakoot dosha eased: Venus and Mercury, the lords of Taurus and Virgo, are mutual friends", true},
    };
    for (const auto& row : rows) {
        const ChartMatch match = MatchCharts(ChartOf(row.boy), ChartOf(row.girl));
        const bool found = row.written ? std::ranges::count(match.Kootas.Notes, row.note) == 1
                                       : HasNoteStarting(match, row.note);
        EXPECT_EQ(found, row.written) << row.note;
    }
}

TEST(ChartMatch, ManglikFromEachReference) {
    // Mars in Leo; the other two references in Aries, from where Leo is the 5th.
    const struct {
        ManglikReference reference;
        int referenceSign, house;
        bool manglik;
    } rows[] = {
        {ManglikReference::Lagna, 3, 2, true},  {ManglikReference::Lagna, 5, 12, true},
        {ManglikReference::Moon, 3, 2, true},   {ManglikReference::Moon, 5, 12, true},
        {ManglikReference::Venus, 3, 2, true},  {ManglikReference::Venus, 5, 12, true},
        {ManglikReference::Venus, 6, 11, false}, {ManglikReference::Moon, 4, 1, true},
    };
    for (const auto& row : rows) {
        std::array<double, 3> references = {AtSign(0), AtSign(0), AtSign(0)};
        references[static_cast<std::size_t>(row.reference)] = AtSign(row.referenceSign);
        const Manglik manglik = ManglikOf(ChartOf(references[1], references[0], references[2]));
        const auto i = static_cast<std::size_t>(row.reference);
        EXPECT_EQ(manglik.MarsHouses[i], row.house);
        std::array<bool, 3> expected{};
        expected[i] = row.manglik;
        EXPECT_EQ(manglik.FromReference, expected);
        EXPECT_EQ(manglik.Any, row.manglik);
    }
    const auto notes = [](bool boy, bool girl) {
        const Longitudes boyChart = ChartOf(AtSign(0), 0, 0, AtSign(boy ? 0 : 4));
        return MatchCharts(boyChart, ChartOf(AtSign(2), 0, 0, AtSign(girl ? 0 : 4))).Kootas.Notes;
    };
    EXPECT_EQ(std::ranges::count(notes(true, true),
                                 "Both charts are Manglik: the Kuja dosha of one balances the other's"), 1);
    EXPECT_EQ(std::ranges::count(notes(false, true),
                                 "Only the girl's chart is Manglik: the Kuja dosha stands unbalanced"), 1);
    EXPECT_TRUE(notes(false, false).empty());
}

TEST(ChartMatch, EveryStarPadaPairScoresWithinTheTablesAndSwapsOnlyTheDirectionalOnes) {
    const std::array<std::set<double>, 8> allowed = {{{0, 1},
                                                      {0, 0.5, 1, 2},
                                                      {1.5, 3},
                                                      {0, 1, 2, 3, 4},
                                                      {0, 0.5, 1, 3, 4, 5},
                                                      {0, 1, 5, 6},
                                                      {0, 7},
                                                      {0, 8}}};
    const std::set<std::size_t> directionalKootas = {0, 1, 5};  // Varna, Vashya, Gana
    const std::set<std::size_t> directionalPoruthams = {0, 2, 3};  // Dina, Mahendra, Stree Deergha
    for (int boy = 0; boy < 108; ++boy) {
        for (int girl = 0; girl < 108; ++girl) {
            const MoonPlacement boyMoon = MoonPlacementOf(AtStar(boy / 4, boy % 4 + 1));
            const MoonPlacement girlMoon = MoonPlacementOf(AtStar(girl / 4, girl % 4 + 1));
            const Ashtakoota match = AshtakootaOf(boyMoon, girlMoon);
            const Ashtakoota swapped = AshtakootaOf(girlMoon, boyMoon);
            double sum = 0;
            for (std::size_t k = 0; k < 8; ++k) {
                const Koota& koota = match.Kootas[k];
                ASSERT_TRUE(allowed[k].contains(koota.Score)) << KootaKeys[k] << " " << boy << " " << girl;
                ASSERT_LE(koota.Score, koota.Maximum);
                sum += koota.Score;
                if (!directionalKootas.contains(k)) {
                    ASSERT_EQ(koota.Score, swapped.Kootas[k].Score) << KootaKeys[k];
                }
            }
            ASSERT_EQ(match.Total, sum);
            ASSERT_EQ(match.Verdict, AshtakootaVerdict(sum));
            ASSERT_EQ(match.BoyTara, swapped.GirlTara);
            const Poruthams agreements = PoruthamsOf(boyMoon, girlMoon);
            const Poruthams swappedAgreements = PoruthamsOf(girlMoon, boyMoon);
            ASSERT_EQ(agreements[PoruthamName::Yoni], match[KootaName::Yoni].Score != 0);  // sworn enemies only
            for (std::size_t p = 0; p < 10; ++p) {
                if (!directionalPoruthams.contains(p)) {
                    ASSERT_EQ(agreements.Agrees[p], swappedAgreements.Agrees[p]) << PoruthamKeys[p];
                }
            }
        }
    }
}

}  // namespace
}  // namespace grahavani
