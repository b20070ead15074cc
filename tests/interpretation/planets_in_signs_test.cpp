#include "interpretation/planets_in_signs.h"

#include <gtest/gtest.h>

#include <string>

#include "model/name_tables.h"
#include "interpretation/sign_summary_table.h"

namespace grahavani {
namespace {

std::string PlainText(const std::vector<TextRun>& runs) {
    std::string text;
    for (const auto& run : runs) text += run.text;
    return text;
}

// Slots 7-10 carry texts the reading must ignore.
std::array<std::string, 12> PositionTexts(std::array<const char*, 7> planets) {
    std::array<std::string, 12> texts;
    for (std::size_t slot = 0; slot < planets.size(); ++slot) texts[slot] = planets[slot];
    texts[7] = "04 Ari 10";
    texts[8] = "04 Lib 10";
    texts[9] = "11 Gem 00";
    texts[10] = "19 Pis 12";
    return texts;
}

// The reading finds a sign by its abbreviation, which opens its English name.
TEST(SignSummaryTable, AbbreviationsAreTheSignAbbreviations) {
    for (std::size_t sign = 0; sign < 12; ++sign) {
        EXPECT_EQ(SignSummaryTable[sign].abbreviation, SignAbbreviationList[sign]);
        EXPECT_TRUE(SignSummaryTable[sign].englishName.starts_with(SignAbbreviationList[sign]));
    }
}

TEST(SignOfShortPosition, ReadsCharactersFourToSix) {
    const struct {
        const char* text;
        std::optional<std::size_t> sign;
    } cases[] = {
        {"00 Ari 00", 0},     {"15 Tau 30", 1},  {"29 Pis 59", 11},
        {"07 Sco 45", 7},     {"07 tau 45", {}}, {"Tau 07 45", {}},
        {"07 Ta", {}},        {"", {}},          {"07 Xyz 45", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(SignOfShortPosition(c.text), c.sign) << c.text;
}

// Sun in Cancer: the whole first block, with the Sun's heading running into its
// description and Cancer's keywords keeping their trailing space.
TEST(PlanetsInSignsReading, SunInCancerBlock) {
    const auto runs = PlanetsInSignsReading(
        PositionTexts({"10 Can 05", "00 Ari 00", "03 Tau 15", "29 Pis 59", "12 Sco 00", "01 Sag 59", "20 Aqu 30"}));
    ASSERT_EQ(runs.size(), 77u);
    const std::vector<TextRun> sunBlock(runs.begin(), runs.begin() + 11);
    const std::vector<TextRun> expected = {
        {true, "Sun In Cancer\r\n"},
        {false, std::string(PlanetSignTexts[0][3]) + "\r\n\r\n"},
        {true, "Characteristics Of Planet Sun :-"},
        {false, std::string(PlanetDescriptions[0]) + "\r\n\r\n"},
        {true, "More About Sign\r\n\r\n"},
        {true, "Keywords :-\r\n"},
        {false, "Protective, Cautious, Intuitive \r\n\r\n"},
        {true, "Element :-\r\n"},
        {false, "Water\r\n\r\n"},
        {true, "Ruling Planet :-\r\n"},
        {false, "The Moon\r\n\r\n\r\n"},
    };
    EXPECT_EQ(sunBlock, expected);
}

TEST(PlanetsInSignsReading, SevenBlocksInReadingOrderEndingWithoutABreak) {
    const auto runs = PlanetsInSignsReading(
        PositionTexts({"10 Can 05", "00 Ari 00", "03 Tau 15", "29 Pis 59", "12 Sco 00", "01 Sag 59", "20 Aqu 30"}));
    ASSERT_EQ(runs.size(), 77u);
    const char* headings[] = {"Sun In Cancer\r\n", "Moon In Aries\r\n", "Mercury In Taurus\r\n",
                              "Venus In Pisces\r\n", "Mars In Scorpio\r\n", "Jupiter In Sagittarius\r\n",
                              "Saturn In Aquarius\r\n"};
    const std::size_t signs[] = {3, 0, 1, 11, 7, 8, 10};
    const bool weights[] = {true, false, true, false, true, true, false, true, false, true, false};
    for (std::size_t planet = 0; planet < 7; ++planet) {
        const TextRun* block = &runs[planet * 11];
        EXPECT_EQ(block[0].text, headings[planet]);
        EXPECT_EQ(block[1].text, std::string(PlanetSignTexts[planet][signs[planet]]) + "\r\n\r\n");
        if (planet > 0) {
            EXPECT_EQ(block[2].text, std::string(ReadingPlanets[planet].characteristicsHeading) + "\r\n");
        }
        for (std::size_t piece = 0; piece < 11; ++piece) EXPECT_EQ(block[piece].bold, weights[piece]);
    }
    EXPECT_EQ(runs[65].text, "Jupiter\r\n\r\n\r\n");
    EXPECT_EQ(runs[76].text, "Uranus and Saturn");
    EXPECT_TRUE(PlainText(runs).starts_with("Sun In Cancer\r\n"));
    EXPECT_TRUE(PlainText(runs).ends_with("Ruling Planet :-\r\nUranus and Saturn"));
}

TEST(PlanetsInSignsReading, AllPlanetsInOneSignRepeatTheSignsProfile) {
    const auto runs = PlanetsInSignsReading(
        PositionTexts({"01 Sco 00", "05 Sco 00", "09 Sco 00", "13 Sco 00", "17 Sco 00", "21 Sco 00", "29 Sco 59"}));
    ASSERT_EQ(runs.size(), 77u);
    for (std::size_t planet = 0; planet < 7; ++planet) {
        const TextRun* block = &runs[planet * 11];
        EXPECT_EQ(block[0].text, std::string(ReadingPlanets[planet].headingWord) + " Scorpio\r\n");
        EXPECT_EQ(block[1].text, std::string(PlanetSignTexts[planet][7]) + "\r\n\r\n");
        EXPECT_EQ(block[6].text, "Secretive, Possessive, Investigative\r\n\r\n");
        EXPECT_EQ(block[8].text, "Water\r\n\r\n");
        EXPECT_TRUE(block[10].text.starts_with("Pluto and Mars"));
    }
}

// A text naming no sign cannot select a paragraph or a profile: those five pieces are
// left out and the rest of the reading stands.
TEST(PlanetsInSignsReading, ASlotWithoutASignLeavesOutTheSignsPieces) {
    const auto runs = PlanetsInSignsReading(
        PositionTexts({"10 Can 05", "", "03 Tau 15", "29 Pis 59", "12 Sco 00", "01 Sag 59", "garbled"}));
    ASSERT_EQ(runs.size(), 67u);
    const std::vector<std::string> moonBlock = {
        "Characteristics Of Planet Moon :-\r\n", std::string(PlanetDescriptions[1]) + "\r\n\r\n",
        "More About Sign\r\n\r\n", "Keywords :-\r\n", "Element :-\r\n", "Ruling Planet :-\r\n"};
    for (std::size_t piece = 0; piece < moonBlock.size(); ++piece) {
        EXPECT_EQ(runs[11 + piece].text, moonBlock[piece]);
    }
    EXPECT_EQ(runs[17].text, "Mercury In Taurus\r\n");
    EXPECT_EQ(runs.back().text, "Ruling Planet :-\r\n");
    EXPECT_EQ(PlanetsInSignsReading({}).size(), 42u);
}

}  // namespace
}  // namespace grahavani
