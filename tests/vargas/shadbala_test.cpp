#include "vargas/shadbala.h"

#include <gtest/gtest.h>

#include "model/chart_result.h"
#include "tests/translation/latin_words.h"
#include "vargas/mean_planets.h"

namespace grahavani {
namespace {

using Longitudes = std::array<double, 9>;  // Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu
using C = ShadbalaComponents;

// Aries, Cancer, Taurus, Gemini, Leo, Libra, Sagittarius; no two warring planets near.
constexpr Longitudes Spread = {10, 100, 40, 70, 130, 200, 250, 300, 120};
// Julian day number 2451545, a Saturday, with its sunrise at noon UT, a day of 18 hours and a
// night of 9, so that thirds and horas fall on exact binary fractions.
constexpr double Sunrise = 2451545.0;
constexpr int CivilDay = 2451545;

// Ascendant Aries 0°, midheaven 270°, ayanamsa 24°.
ShadbalaInput Chart(const Longitudes& longitudes = Spread) {
    return {.Longitudes = longitudes, .Latitudes = {}, .Ascendant = 0, .Midheaven = 270, .Ayanamsa = 24,
            .BirthJulianDayUT = Sunrise + 0.125, .MidnightJulianDayUT = Sunrise - 0.5,
            .Day = VedicDaySpan{Sunrise, Sunrise + 0.75, Sunrise + 1.125, CivilDay}};
}

// One planet moved from Spread, at a sidereal longitude.
TEST(Shadbala, SthanaDigAndAyanaFollowTheirRules) {
    const struct {
        std::size_t planet;
        double longitude;
        double C::*component;  // none for dig bala
        double virupas;
    } cases[] = {
        {SunBody, 10, &C::Uchcha, 60}, {SunBody, 190, &C::Uchcha, 0}, {SaturnBody, 20, &C::Uchcha, 0},
        // Leo 10°: D1 moolatrikona 45, D2 Leo own 30; D3, D12, D30 Jupiter and D9 Cancer great
        // friends (Jupiter 3rd, Moon 12th from Leo) 22.5 each; D7 Libra: Venus an enemy but 11th, 7.5.
        {SunBody, 130, &C::Saptavargaja, 172.5},
        // Cancer 25°: D1 own 30; D2 Leo, the Sun 10th, 22.5; D3 Pisces, Jupiter 4th, 15; D7 Gemini,
        // Mercury 11th, 22.5; D9 Aquarius, Saturn 6th, 3.75; D12 Taurus, Venus 12th, and D30
        // Scorpio, Mars 2nd, 15 each.
        {MoonBody, 115, &C::Saptavargaja, 123.75},
        // Aries 0.5° is Aries or Leo in all seven; Mars 5th and the Sun 1st: great enemies.
        {SaturnBody, 0.5, &C::Saptavargaja, 13.125},
        // Rasi and navamsa: odd, odd; odd, even from 3°20′; even, even.
        {SunBody, 3.3, &C::Ojayugma, 30}, {SunBody, 10.0 / 3, &C::Ojayugma, 15}, {SunBody, 30, &C::Ojayugma, 0},
        {VenusBody, 30, &C::Ojayugma, 30},
        {SunBody, 29.99, &C::Kendra, 60}, {SunBody, 30, &C::Kendra, 30}, {SunBody, 359.99, &C::Kendra, 15},
        {SunBody, 9.99, &C::Drekkana, 15}, {SunBody, 10, &C::Drekkana, 0}, {MercuryBody, 49.99, &C::Drekkana, 15},
        {SaturnBody, 240, &C::Drekkana, 0},
        {MoonBody, 109.99, &C::Drekkana, 0}, {MoonBody, 110, &C::Drekkana, 15},
        {SunBody, 90, nullptr, 0}, {SunBody, 270, nullptr, 60}, {JupiterBody, 180, nullptr, 0},
        {SaturnBody, 0, nullptr, 0}, {MoonBody, 270, nullptr, 0}, {MoonBody, 90, nullptr, 60},
        // Tropical 0°, 90°, 270°.
        {SunBody, 336, &C::Ayana, 60}, {MoonBody, 336, &C::Ayana, 30}, {SunBody, 66, &C::Ayana, 120},
        {MoonBody, 66, &C::Ayana, 0}, {MarsBody, 66, &C::Ayana, 60}, {MercuryBody, 246, &C::Ayana, 60},
    };
    for (const auto& c : cases) {
        ShadbalaInput input = Chart();
        input.Longitudes[c.planet] = c.longitude;
        const PlanetStrength strength = ComputeShadbala(input).Planets[c.planet];
        EXPECT_NEAR(c.component ? strength.Components.*c.component : strength.Dig, c.virupas, 1e-9)
            << "planet " << c.planet << " at " << c.longitude;
    }
}

// At midnight, noon and 7.5 ghatis from midnight.
TEST(Shadbala, NathonnathaCountsGhatisFromMidnight) {
    const struct {
        double daysFromMidnight;
        std::array<double, 7> virupas;
    } cases[] = {
        {0, {0, 60, 60, 0, 60, 0, 60}}, {-0.5, {60, 0, 60, 60, 0, 60, 0}}, {0.125, {15, 45, 60, 15, 45, 15, 45}}};
    for (const auto& c : cases) {
        ShadbalaInput input = Chart();
        input.MidnightJulianDayUT = input.BirthJulianDayUT - c.daysFromMidnight;
        const Shadbala shadbala = ComputeShadbala(input);
        for (std::size_t planet = SunBody; planet <= SaturnBody; ++planet) {
            EXPECT_NEAR(shadbala.Planets[planet].Components.Nathonnatha, c.virupas[planet], 1e-9) << planet;
        }
    }
}

// The Sun at 10°, Rahu in Aquarius; Mercury there with Venus, without, with Venus and a waning Moon.
TEST(Shadbala, PakshaByTheMoonsArcAndMercurysCompany) {
    const struct {
        double moon, mercury, venus;
        std::size_t planet;
        double virupas;
    } cases[] = {{10, 40, 70, MoonBody, 0},    {10, 40, 70, JupiterBody, 0},   {10, 40, 70, SunBody, 60},
                 {190, 40, 70, MoonBody, 120}, {190, 40, 70, SaturnBody, 0},   {70, 305, 310, MercuryBody, 20},
                 {70, 305, 70, MercuryBody, 40}, {310, 305, 310, MercuryBody, 40}};
    for (const auto& c : cases) {
        const Shadbala shadbala = ComputeShadbala(Chart({10, c.moon, c.mercury, c.venus, 130, 200, 250, 300, 120}));
        EXPECT_NEAR(shadbala.Planets[c.planet].Components.Paksha, c.virupas, 1e-9) << c.planet << " " << c.moon;
    }
}

// The lord gets the virupas, the rest 0; Jupiter's tribhaga is always 60.
TEST(Shadbala, TheDaysLordsTakeTheirShare) {
    const struct {
        int civilDay;
        double daysAfterSunrise;
        std::optional<double> C::*component;
        std::size_t lord;
        double virupas;
    } cases[] = {
        {CivilDay, 0.2499, &C::Tribhaga, MercuryBody, 60}, {CivilDay, 0.25, &C::Tribhaga, SunBody, 60},
        {CivilDay, 0.5, &C::Tribhaga, SaturnBody, 60},     {CivilDay, 0.75, &C::Tribhaga, MoonBody, 60},
        {CivilDay, 0.875, &C::Tribhaga, VenusBody, 60},    {CivilDay, 1.0, &C::Tribhaga, MarsBody, 60},
        // 1863080 days from the Kali epoch: the year began 80 days before, a Wednesday, and the
        // month 20 days before, a Sunday; the next month 10 days on, a Tuesday.
        {CivilDay, 0, &C::Abda, MercuryBody, 15},  {CivilDay + 9, 0, &C::Masa, SunBody, 30},
        {CivilDay + 10, 0, &C::Masa, MarsBody, 30}, {CivilDay, 0, &C::Vara, SaturnBody, 45},
        {CivilDay + 15, 0, &C::Vara, SunBody, 45},
        // Saturday's horas from Saturn: Jupiter, Mars, the Sun, Venus, Mercury, the Moon.
        {CivilDay, 0.125 - 1e-6, &C::Hora, MarsBody, 60}, {CivilDay, 0.125, &C::Hora, SunBody, 60},
        {CivilDay, 0.5, &C::Hora, MercuryBody, 60},
    };
    for (const auto& c : cases) {
        ShadbalaInput input = Chart();
        input.Day->CivilJulianDayNumber = c.civilDay;
        input.BirthJulianDayUT = Sunrise + c.daysAfterSunrise;
        const Shadbala shadbala = ComputeShadbala(input);
        for (std::size_t planet = SunBody; planet <= SaturnBody; ++planet) {
            const bool always = c.component == &C::Tribhaga && planet == JupiterBody;
            EXPECT_EQ(shadbala.Planets[planet].Components.*c.component, planet == c.lord || always ? c.virupas : 0)
                << c.civilDay << " +" << c.daysAfterSunrise << ", planet " << planet;
        }
    }
}

// Mars at 100° against Venus: the further north takes the difference of their strengths over
// that of their discs, 7.2″.
TEST(Shadbala, YuddhaWithinOneDegreeGoesNorth) {
    const struct {
        double venus, marsLatitude;
        bool atWar;
        std::size_t victor, vanquished;
    } cases[] = {{100.99, 1, true, MarsBody, VenusBody}, {99.01, -1, true, VenusBody, MarsBody},
                 {101.01, 1, false, MarsBody, VenusBody}};
    for (const auto& c : cases) {
        ShadbalaInput input = Chart({10, 100, 40, c.venus, 100, 200, 250, 300, 120});
        input.Latitudes[MarsBody] = c.marsLatitude;
        const auto planets = ComputeShadbala(input).Planets;
        const auto warStrength = [&](std::size_t planet) {
            const PlanetStrength& p = planets[planet];
            return p.Sthana + p.Dig + *p.Kala - *p.Components.Yuddha;
        };
        const double share = c.atWar ? std::abs(warStrength(MarsBody) - warStrength(VenusBody)) / 7.2 : 0;
        EXPECT_EQ(share > 0, c.atWar) << c.venus;
        EXPECT_NEAR(*planets[c.victor].Components.Yuddha, share, 1e-9) << c.venus;
        EXPECT_NEAR(*planets[c.vanquished].Components.Yuddha, -share, 1e-9) << c.venus;
    }
}

// At J2000, tropical: mean Sun 280.466449°, mean Mars 355.433275°, Mercury's sighrochcha
// 252.250906°; the ayanamsa 24° takes all of them and the true planet alike.
TEST(Shadbala, CheshtaFromTheMeanAndTruePlanet) {
    const struct {
        std::size_t planet;
        double trueTropical, virupas;
    } cases[] = {{MarsBody, 355.433275, 74.966826 / 3}, {MarsBody, 5.433275, 79.966826 / 3},  // the middle 0.4°
                 {MercuryBody, 280.466449, 28.215543 / 3}, {SunBody, 100, 0}};
    for (const auto& c : cases) {
        ShadbalaInput input = Chart();
        input.BirthJulianDayUT = Sunrise;
        input.Longitudes[c.planet] = c.trueTropical - input.Ayanamsa;
        EXPECT_NEAR(ComputeShadbala(input).Planets[c.planet].Cheshta, c.virupas, 1e-6) << c.planet;
    }
}

// All but one planet within 25° of each other, so only that one aspects them.
TEST(Shadbala, DrikFromTheOnePlanetAspecting) {
    const struct {
        Longitudes longitudes;
        std::size_t aspected;
        double virupas;
    } cases[] = {
        {{0, 5, 10, 15, 20, 25, 300, 0, 180}, SunBody, -15},         // Saturn's 60°, 15 + 45 special
        {{0, 5, 10, 15, 20, 240, 25, 0, 180}, SaturnBody, 8.75},     // Jupiter's 145°, 5 + 30
        {{0, 5, 10, 15, 270, 20, 25, 0, 180}, SaturnBody, -11.875},  // Mars's 115°, 32.5 + 15
        {{0, 179, 10, 15, 20, 25, 5, 0, 180}, SunBody, 14.875},      // the Moon waxing, 181°
        {{0, 180, 10, 15, 20, 25, 5, 0, 180}, SunBody, -15},         // the Moon waning, 180°
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(ComputeShadbala(Chart(c.longitudes)).Planets[c.aspected].Drik, c.virupas, 1e-9) << c.aspected;
    }
}

// With Mars and Venus at war, so that every part counts; without a day that holds the birth,
// what needs it is empty, Yuddha only for planets at war, and the note says why.
TEST(Shadbala, TotalsAreTheSumsOfTheirPartsOrEmpty) {
    ShadbalaInput atWar = Chart({10, 100, 40, 130.5, 130, 200, 250, 300, 120});
    atWar.Latitudes[VenusBody] = 2;
    ShadbalaInput polarAtWar = atWar;
    polarAtWar.Day.reset();
    ShadbalaInput outsideTheDay = Chart();
    outsideTheDay.BirthJulianDayUT = Sunrise - 0.01;
    for (const ShadbalaInput* input : {&atWar, &polarAtWar, &outsideTheDay}) {
        const Shadbala shadbala = ComputeShadbala(*input);
        EXPECT_EQ(shadbala.Note.empty(), input == &atWar);
        for (const Language language : {Language::Hindi, Language::Tamil}) {
            const std::string note = ShadbalaNoteIn(shadbala, language);
            EXPECT_EQ(note.empty(), input == &atWar);
            EXPECT_TRUE(test::LatinWords(note).empty()) << note;
        }
        for (std::size_t planet = SunBody; planet <= SaturnBody; ++planet) {
            const PlanetStrength& p = shadbala.Planets[planet];
            const C& c = p.Components;
            EXPECT_DOUBLE_EQ(p.Naisargika, (60 * std::array{7, 6, 3, 5, 2, 4, 1}[planet] / 7.0));
            EXPECT_EQ(p.Required, (std::array{6.5, 6.0, 7.0, 5.5, 5.0, 6.5, 5.0}[planet]));
            EXPECT_EQ(p.Sthana, c.Uchcha + c.Saptavargaja + c.Ojayugma + c.Kendra + c.Drekkana);
            const bool warring = input == &polarAtWar && (planet == VenusBody || planet == MarsBody);
            EXPECT_EQ(c.Yuddha.has_value(), !warring) << planet;
            if (input != &atWar) {
                EXPECT_FALSE(c.Tribhaga || c.Abda || c.Masa || c.Vara || c.Hora || p.Kala || p.Total || p.Ratio);
                continue;
            }
            EXPECT_EQ(*p.Kala, c.Nathonnatha + c.Paksha + *c.Tribhaga + *c.Abda + *c.Masa + *c.Vara + *c.Hora +
                                   c.Ayana + *c.Yuddha);
            EXPECT_EQ(*p.Total, p.Sthana + p.Dig + *p.Kala + p.Cheshta + p.Naisargika + p.Drik);
            EXPECT_EQ(*p.Rupas, *p.Total / 60);
            EXPECT_EQ(*p.Ratio, *p.Rupas / p.Required);
        }
    }
}

TEST(MeanPlanet, MeanLongitudesOfDate) {
    EXPECT_NEAR(MeanHeliocentricLongitude(MeanOrbit::Venus, 2475460.5), 338.646306, 1e-6);  // Meeus, example 31.a
    EXPECT_NEAR(MeanSunLongitude(2451545.0), 280.466449, 1e-9);
}

}  // namespace
}  // namespace grahavani
