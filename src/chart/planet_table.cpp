#include "chart/planet_table.h"

#include <cmath>

#include "chart/nakshatra_quarter.h"
#include "model/name_tables.h"
#include "model/vedic_names.h"
#include "texts/position_texts.h"
#include "model/arc_division.h"
#include "timing/dasha_timeline.h"
#include "translation/translated.h"

namespace grahavani {

namespace {

constexpr std::size_t PlanetCount = 7;  // SunBody to SaturnBody

struct PlanetSigns {
    int exalted;
    std::array<int, 2> own;  // a planet with one own sign names it twice
    double directOrb;        // combust within this of the Sun; the Sun has none
    double retrogradeOrb;
};

// Signs from 0 (Aries); debilitation is the sign opposite exaltation.
constexpr std::array<PlanetSigns, PlanetCount> PlanetSignTable = {{
    {0, {4, 4}, 0, 0},      // Sun: Ari; Leo
    {1, {3, 3}, 12, 12},    // Moon: Tau; Can
    {5, {2, 5}, 14, 12},    // Mercury: Vir; Gem, Vir
    {11, {1, 6}, 10, 8},    // Venus: Pis; Tau, Lib
    {9, {0, 7}, 17, 17},    // Mars: Cap; Ari, Sco
    {3, {8, 11}, 11, 11},   // Jupiter: Can; Sag, Pis
    {6, {9, 10}, 15, 15},   // Saturn: Lib; Cap, Aqu
}};

// The sign the position text names: whole degrees first, as the text truncates them.
int SignOf(double longitude) { return static_cast<int>(std::floor(longitude)) / 30; }

PlanetRow RowFor(const ChartResult& chart, std::size_t body, int lagnaSign) {
    PlanetRow row;
    row.Body = BodyNames[body];
    row.Longitude = DegreesInCircle(chart.Longitudes[body]);
    const int sign = SignOf(row.Longitude);
    row.Sign = SignAbbreviation(sign);
    row.Degrees = row.Longitude - 30.0 * sign;
    row.Text = FormatSignPosition(row.Longitude);
    const NakshatraQuarter quarter = NakshatraQuarterOf(row.Longitude);
    row.Nakshatra = NakshatraNames[static_cast<std::size_t>(quarter.Nakshatra)];
    row.Pada = quarter.Pada;
    row.NakshatraLord = DashaRulers(DashaSystem::Vimshottari)[static_cast<std::size_t>(quarter.Nakshatra % 9)].Lord;
    row.House = (sign - lagnaSign + 12) % 12 + 1;
    if (body >= PlanetCount) return row;

    row.Dignity = PlanetDignity(body, sign);
    const bool motionKnown = chart.ComputedBy == Engine::Precise;
    if (motionKnown) row.Retrograde = chart.Retrograde[body];
    if (body != SunBody) {
        row.Combust = IsCombust(body, row.Longitude, DegreesInCircle(chart.Longitudes[SunBody]),
                                motionKnown && chart.Retrograde[body]);
    }
    return row;
}

}  // namespace

std::string_view PlanetDignity(std::size_t body, int sign) {
    const PlanetSigns& signs = PlanetSignTable.at(body);
    if (sign == signs.exalted) return "exalted";
    if (sign == (signs.exalted + 6) % 12) return "debilitated";
    if (sign == signs.own[0] || sign == signs.own[1]) return "own sign";
    return "";
}

bool IsCombust(std::size_t body, double longitude, double sunLongitude, bool retrograde) {
    const PlanetSigns& signs = PlanetSignTable.at(body);
    const double apart = DegreesInCircle(longitude - sunLongitude);
    const double distance = apart > 180 ? 360 - apart : apart;
    return body != SunBody && distance <= (retrograde ? signs.retrogradeOrb : signs.directOrb);
}

std::array<PlanetRow, PlanetTableRows> ComputePlanetTable(const ChartResult& chart) {
    const int lagnaSign = SignOf(DegreesInCircle(chart.Longitudes[AscendantPoint]));
    std::array<PlanetRow, PlanetTableRows> table;
    for (const std::size_t body : {AscendantPoint, SunBody, MoonBody, MercuryBody, VenusBody, MarsBody,
                                   JupiterBody, SaturnBody, RahuBody, KetuBody}) {
        table[PlanetTableRow(body)] = RowFor(chart, body, lagnaSign);
    }
    return table;
}

std::string_view DignityIn(std::string_view dignity, Language language) {
    return dignity.empty() ? dignity : Translated(language, "chart/planet_table.cpp PlanetDignity", dignity);
}

}  // namespace grahavani
