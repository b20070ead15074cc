#include "chart/planet_table.h"

#include <gtest/gtest.h>

#include "model/name_tables.h"

namespace grahavani {
namespace {

TEST(ComputePlanetTable, HousesAreWholeSignsFromTheLagnasSign) {
    for (int lagna = 0; lagna < 12; ++lagna) {
        for (int sign = 0; sign < 12; ++sign) {
            ChartResult chart;
            chart.Longitudes[AscendantPoint] = 30 * lagna + 29.99;
            chart.Longitudes[JupiterBody] = 30 * sign;
            const auto table = ComputePlanetTable(chart);
            EXPECT_EQ(table[0].House, 1) << lagna;
            EXPECT_EQ(table[PlanetTableRow(JupiterBody)].House, (sign - lagna + 12) % 12 + 1) << lagna << " " << sign;
        }
    }
}

TEST(ComputePlanetTable, RowsCarryTheSignNakshatraAndText) {
    ChartResult chart;
    chart.Longitudes[AscendantPoint] = 37.7601104;
    chart.Longitudes[MoonBody] = 93.9835684;
    chart.Longitudes[SunBody] = 29.99999999;
    chart.Longitudes[KetuBody] = 30;
    const auto table = ComputePlanetTable(chart);
    const struct {
        std::size_t row;
        std::string_view body, sign, text, nakshatra, lord;
        int pada, house;
    } cases[] = {
        {0, "Ascendant", "Tau", "7\u00B0 45' 36\" Tau", "Krittika", "Sun", 4, 1},
        {PlanetTableRow(MoonBody), "Moon", "Can", "3\u00B0 59' 0\" Can", "Pushya", "Saturn", 1, 3},
        {PlanetTableRow(SunBody), "Sun", "Ari", "29\u00B0 59' 59\" Ari", "Krittika", "Sun", 1, 12},
        {PlanetTableRow(KetuBody), "Ketu", "Tau", "0\u00B0 0' 0\" Tau", "Krittika", "Sun", 2, 1},
    };
    for (const auto& c : cases) {
        const PlanetRow& row = table[c.row];
        EXPECT_EQ(row.Body, c.body);
        EXPECT_EQ(row.Sign, c.sign) << c.body;
        EXPECT_EQ(row.Text, c.text) << c.body;
        EXPECT_EQ(row.Nakshatra, c.nakshatra) << c.body;
        EXPECT_EQ(row.NakshatraLord, c.lord) << c.body;
        EXPECT_EQ(row.Pada, c.pada) << c.body;
        EXPECT_EQ(row.House, c.house) << c.body;
    }
    EXPECT_EQ(table[PlanetTableRow(MoonBody)].Degrees, 93.9835684 - 90);
    EXPECT_FALSE(table[0].Dignity || table[0].Retrograde || table[0].Combust);
    EXPECT_FALSE(table[PlanetTableRow(KetuBody)].Dignity || table[PlanetTableRow(KetuBody)].Combust);
    EXPECT_EQ(table[PlanetTableRow(SunBody)].Dignity, "exalted");
    EXPECT_FALSE(table[PlanetTableRow(SunBody)].Combust);
}

TEST(PlanetDignity, ExaltationWinsThenDebilitationThenOwnSign) {
    const struct {
        std::size_t body;
        int sign;
        std::string_view dignity;
    } cases[] = {
        {SunBody, 0, "exalted"},      {SunBody, 6, "debilitated"},  {SunBody, 4, "own sign"},
        {SunBody, 1, ""},             {MoonBody, 1, "exalted"},     {MoonBody, 7, "debilitated"},
        {MoonBody, 3, "own sign"},    {MercuryBody, 5, "exalted"},  {MercuryBody, 11, "debilitated"},
        {MercuryBody, 2, "own sign"}, {VenusBody, 11, "exalted"},   {VenusBody, 5, "debilitated"},
        {VenusBody, 1, "own sign"},   {VenusBody, 6, "own sign"},   {MarsBody, 9, "exalted"},
        {MarsBody, 3, "debilitated"}, {MarsBody, 0, "own sign"},    {MarsBody, 7, "own sign"},
        {JupiterBody, 3, "exalted"},  {JupiterBody, 9, "debilitated"}, {JupiterBody, 8, "own sign"},
        {JupiterBody, 11, "own sign"}, {SaturnBody, 6, "exalted"},  {SaturnBody, 0, "debilitated"},
        {SaturnBody, 9, "own sign"},  {SaturnBody, 10, "own sign"}, {SaturnBody, 4, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlanetDignity(c.body, c.sign), c.dignity) << BodyNames[c.body] << " " << c.sign;
    }
    // उच्च, नीच, स्वराशि: the glossary's words.
    EXPECT_EQ(DignityIn("exalted", Language::Hindi), "\u0909\u091A\u094D\u091A");
    EXPECT_EQ(DignityIn("debilitated", Language::Hindi), "\u0928\u0940\u091A");
    EXPECT_EQ(DignityIn("own sign", Language::Tamil), "\u0B86\u0B9F\u0BCD\u0B9A\u0BBF");  // ஆட்சி
    EXPECT_EQ(DignityIn("", Language::Tamil), "");
}

TEST(IsCombust, WithinTheOrbTheEdgeIncluded) {
    const struct {
        std::size_t body;
        double apart;
        bool retrograde, combust;
    } cases[] = {
        {MoonBody, 12, false, true},        {MoonBody, 12.0001, false, false},
        {MarsBody, -17, false, true},       {MarsBody, 17.0001, false, false},
        {MercuryBody, 14, false, true},     {MercuryBody, 14.0001, false, false},
        {MercuryBody, 14, true, false},     {MercuryBody, -12, true, true},
        {VenusBody, 10, false, true},       {VenusBody, 10.0001, false, false},
        {VenusBody, 10, true, false},       {VenusBody, 8, true, true},
        {VenusBody, 8.0001, true, false},   {JupiterBody, 11, false, true},
        {JupiterBody, -11.0001, false, false}, {SaturnBody, 15, true, true},
        {SaturnBody, 15.0001, false, false}, {SunBody, 0, false, false},
    };
    for (const double sun : {100.0, 355.0, 5.0}) {
        for (const auto& c : cases) {
            EXPECT_EQ(IsCombust(c.body, sun + c.apart, sun, c.retrograde), c.combust)
                << BodyNames[c.body] << " " << c.apart << " from the Sun at " << sun;
        }
    }
}

TEST(ComputePlanetTable, MotionOnlyWhereTheEngineKnowsIt) {
    ChartResult chart;
    chart.Longitudes[SunBody] = 100;
    chart.Longitudes[MercuryBody] = 113;  // combust direct, not retrograde
    chart.Retrograde[MercuryBody] = true;
    chart.ComputedBy = Engine::Classic;
    auto table = ComputePlanetTable(chart);
    EXPECT_FALSE(table[PlanetTableRow(MercuryBody)].Retrograde.has_value());
    EXPECT_EQ(table[PlanetTableRow(MercuryBody)].Combust, true);

    chart.ComputedBy = Engine::Precise;
    table = ComputePlanetTable(chart);
    EXPECT_EQ(table[PlanetTableRow(MercuryBody)].Retrograde, true);
    EXPECT_EQ(table[PlanetTableRow(MercuryBody)].Combust, false);
    EXPECT_EQ(table[PlanetTableRow(SunBody)].Retrograde, false);
}

}  // namespace
}  // namespace grahavani
