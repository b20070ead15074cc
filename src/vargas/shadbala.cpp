#include "vargas/shadbala.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>

#include "model/arc_division.h"
#include "model/chart_result.h"
#include "translation/translated.h"
#include "vargas/mean_planets.h"
#include "vargas/planet_relations.h"
#include "vargas/varga.h"

namespace grahavani {
namespace {

constexpr std::size_t PlanetCount = 7;
constexpr double VirupasPerRupa = 60;
constexpr double GhatisPerDay = 60;

// Tables in BodyOrder: Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn.
constexpr std::array<double, PlanetCount> DeepExaltationDegrees = {10, 33, 165, 357, 298, 95, 200};
constexpr std::array<int, PlanetCount> MoolatrikonaSigns = {4, 1, 5, 6, 0, 8, 10};
// The decanate (0 first, 1 second, 2 third) a male, neutral or female planet is strong in.
constexpr std::array<int, PlanetCount> StrongDecanates = {0, 2, 1, 2, 0, 0, 1};
constexpr std::array<double, PlanetCount> NaisargikaSevenths = {7, 6, 3, 5, 2, 4, 1};
constexpr std::array<double, PlanetCount> RequiredRupas = {6.5, 6, 7, 5.5, 5, 6.5, 5};
// The Sun and the Moon never war.
constexpr std::array<double, PlanetCount> DiscDiameterArcseconds = {0, 0, 6.6, 16.6, 9.4, 190.4, 158.0};
// Compound relations from great enemy to great friend.
constexpr std::array<double, 5> RelationVirupas = {1.875, 3.75, 7.5, 15, 22.5};
constexpr std::array<int, 7> SaptavargaDivisions = {1, 2, 3, 7, 9, 12, 30};
constexpr std::array<std::size_t, 5> WarringPlanets = {MarsBody, MercuryBody, JupiterBody, VenusBody, SaturnBody};

// The lords of the weekdays from Sunday, and of the horas in their turn.
constexpr std::array<std::size_t, 7> WeekdayLords = {
    SunBody, MoonBody, MarsBody, MercuryBody, JupiterBody, VenusBody, SaturnBody};
constexpr std::array<std::size_t, 7> HoraLords = {
    SaturnBody, JupiterBody, MarsBody, SunBody, VenusBody, MercuryBody, MoonBody};
// The day's thirds from sunrise, then the night's from sunset.
constexpr std::array<std::size_t, 6> TribhagaLords = {
    MercuryBody, SunBody, SaturnBody, MoonBody, VenusBody, MarsBody};

constexpr long long KaliEpochDayNumber = 588465;
constexpr long long DaysPerSavanaYear = 360;
constexpr long long DaysPerSavanaMonth = 30;
constexpr double ClassicalObliquityDegrees = 24;

double Arc(double a, double b) {
    const double apart = DegreesInCircle(a - b);
    return apart > 180 ? 360 - apart : apart;
}

// From a to b the shorter way round, in (−180, 180].
double SignedArc(double a, double b) {
    const double apart = DegreesInCircle(b - a);
    return apart > 180 ? apart - 360 : apart;
}

int SignOf(double longitude) { return ArcIndex(longitude, 30, 1, 12); }
bool IsOddSign(int sign) { return sign % 2 == 0; }  // Aries, Gemini … counted from 1

// The part of [start, end) that `instant` falls in, of `count` equal parts.
int PartOf(double instant, double start, double end, int count) {
    const double part = std::floor((instant - start) * count / (end - start));
    return static_cast<int>(std::clamp(part, 0.0, count - 1.0));
}

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }
double Degrees(double radians) { return radians * 180 / std::numbers::pi; }

std::size_t WeekdayLordOfDayNumber(long long dayNumber) {
    return WeekdayLords[static_cast<std::size_t>(((dayNumber + 1) % 7 + 7) % 7)];
}

// The first day of the savana year or month that holds the day, counted from the Kali epoch.
long long PeriodStart(long long dayNumber, long long periodDays) {
    const long long since = dayNumber - KaliEpochDayNumber;
    const long long periods = since / periodDays - (since % periodDays < 0 ? 1 : 0);
    return KaliEpochDayNumber + periods * periodDays;
}

// The lords the day gives the kala components that need it.
struct DayLords {
    std::size_t Tribhaga, Year, Month, Weekday, Hora;
};

bool DayHoldsBirth(const VedicDaySpan& day, double birth) {
    const bool finite = std::isfinite(day.SunriseJulianDayUT) && std::isfinite(day.SunsetJulianDayUT) &&
                        std::isfinite(day.NextSunriseJulianDayUT) && std::isfinite(birth);
    return finite && day.SunriseJulianDayUT < day.SunsetJulianDayUT &&
           day.SunsetJulianDayUT < day.NextSunriseJulianDayUT && day.SunriseJulianDayUT <= birth &&
           birth < day.NextSunriseJulianDayUT;
}

DayLords LordsOfDay(const VedicDaySpan& day, double birth) {
    const bool byDay = birth < day.SunsetJulianDayUT;
    const int third = byDay ? PartOf(birth, day.SunriseJulianDayUT, day.SunsetJulianDayUT, 3)
                            : 3 + PartOf(birth, day.SunsetJulianDayUT, day.NextSunriseJulianDayUT, 3);
    const std::size_t weekdayLord = WeekdayLordOfDayNumber(day.CivilJulianDayNumber);
    const auto firstHora = static_cast<std::size_t>(
        std::find(HoraLords.begin(), HoraLords.end(), weekdayLord) - HoraLords.begin());
    const auto horasOn = static_cast<std::size_t>(std::fmod(std::floor((birth - day.SunriseJulianDayUT) * 24), 7.0));
    return {TribhagaLords[static_cast<std::size_t>(third)],
            WeekdayLordOfDayNumber(PeriodStart(day.CivilJulianDayNumber, DaysPerSavanaYear)),
            WeekdayLordOfDayNumber(PeriodStart(day.CivilJulianDayNumber, DaysPerSavanaMonth)),
            weekdayLord, HoraLords[(firstHora + horasOn) % 7]};
}

// Malefic: the Sun, Mars, Saturn, a waning Moon, and Mercury in a sign with more malefics
// (Rahu and Ketu among them) than benefics.
std::array<bool, PlanetCount> Malefics(const ShadbalaInput& input) {
    const auto& longitudes = input.Longitudes;
    const bool moonWaning = DegreesInCircle(longitudes[MoonBody] - longitudes[SunBody]) >= 180;
    const int mercurySign = SignOf(longitudes[MercuryBody]);
    int maleficsWithMercury = 0, beneficsWithMercury = 0;
    for (std::size_t body = SunBody; body <= KetuBody; ++body) {
        if (body == MercuryBody || SignOf(longitudes[body]) != mercurySign) continue;
        const bool benefic = body == JupiterBody || body == VenusBody || (body == MoonBody && !moonWaning);
        ++(benefic ? beneficsWithMercury : maleficsWithMercury);
    }
    return {true, moonWaning, maleficsWithMercury > beneficsWithMercury, false, true, false, true};
}

double Saptavargaja(std::size_t planet, double longitude, const std::array<int, PlanetCount>& rasiSigns) {
    double virupas = 0;
    for (const int division : SaptavargaDivisions) {
        const int sign = VargaPlaceOf(division, longitude).Sign;
        const std::size_t lord = SignLord(sign);
        if (division == 1 && sign == MoolatrikonaSigns[planet]) {
            virupas += 45;
        } else if (lord == planet) {
            virupas += 30;
        } else {
            const auto relation = CompoundRelationOf(planet, rasiSigns[planet], lord, rasiSigns[lord]);
            virupas += RelationVirupas[static_cast<std::size_t>(static_cast<int>(relation) + 2)];
        }
    }
    return virupas;
}

double Ojayugma(std::size_t planet, double longitude) {
    const bool prefersOdd = planet != MoonBody && planet != VenusBody;
    const auto favoured = [&](int sign) { return IsOddSign(sign) == prefersOdd ? 15.0 : 0.0; };
    return favoured(SignOf(longitude)) + favoured(VargaPlaceOf(9, longitude).Sign);
}

double Kendra(double longitude, double ascendant) {
    const int house = (SignOf(longitude) - SignOf(ascendant) + 12) % 12;
    return house % 3 == 0 ? 60 : house % 3 == 1 ? 30 : 15;
}

double Drekkana(std::size_t planet, double longitude) {
    return ArcIndex(longitude, 10, 1, 36) % 3 == StrongDecanates[planet] ? 15 : 0;
}

double Dig(std::size_t planet, double longitude, double ascendant, double midheaven) {
    double powerless = midheaven;  // the Moon's and Venus's
    if (planet == SunBody || planet == MarsBody) powerless = midheaven + 180;
    if (planet == JupiterBody || planet == MercuryBody) powerless = ascendant + 180;
    if (planet == SaturnBody) powerless = ascendant;
    return Arc(longitude, powerless) / 3;
}

double Nathonnatha(std::size_t planet, double ghatisFromMidnight) {
    if (planet == MercuryBody) return 60;
    const bool strongByDay = planet == SunBody || planet == JupiterBody || planet == VenusBody;
    return strongByDay ? 2 * ghatisFromMidnight : 60 - 2 * ghatisFromMidnight;
}

double Paksha(std::size_t planet, double sunMoonArc, bool malefic) {
    const double share = sunMoonArc / 3;
    if (planet == MoonBody) return 2 * share;
    return malefic ? 60 - share : share;
}

double Ayana(std::size_t planet, double tropicalLongitude) {
    const double kranti = Degrees(std::asin(std::sin(Radians(ClassicalObliquityDegrees)) *
                                            std::sin(Radians(tropicalLongitude))));
    const double perDegree = 60.0 / 48;
    switch (planet) {
        case SunBody: return 2 * (24 + kranti) * perDegree;
        case MoonBody:
        case SaturnBody: return (24 - kranti) * perDegree;
        case MercuryBody: return (24 + std::abs(kranti)) * perDegree;
        default: return (24 + kranti) * perDegree;
    }
}

// The cheshta kendra: from the middle of the mean and true planet to the sighrochcha.
double CheshtaFrom(double sighrochcha, double meanPlanet, double truePlanet) {
    return Arc(sighrochcha, meanPlanet + SignedArc(meanPlanet, truePlanet) / 2) / 3;
}

double Cheshta(std::size_t planet, const ShadbalaInput& input) {
    if (planet == SunBody || planet == MoonBody) return 0;
    const double day = input.BirthJulianDayUT;
    const double meanSun = MeanSunLongitude(day) - input.Ayanamsa;
    const auto meanPlanet = [&](MeanOrbit orbit) { return MeanHeliocentricLongitude(orbit, day) - input.Ayanamsa; };
    const double truePlanet = input.Longitudes[planet];
    switch (planet) {
        case MercuryBody: return CheshtaFrom(meanPlanet(MeanOrbit::Mercury), meanSun, truePlanet);
        case VenusBody: return CheshtaFrom(meanPlanet(MeanOrbit::Venus), meanSun, truePlanet);
        case MarsBody: return CheshtaFrom(meanSun, meanPlanet(MeanOrbit::Mars), truePlanet);
        case JupiterBody: return CheshtaFrom(meanSun, meanPlanet(MeanOrbit::Jupiter), truePlanet);
        default: return CheshtaFrom(meanSun, meanPlanet(MeanOrbit::Saturn), truePlanet);
    }
}

// The aspect of a planet on one `arc` degrees on from it, its special aspects included.
double Drishti(std::size_t aspecting, double arc) {
    double value = 0;
    if (arc >= 30 && arc < 60) value = (arc - 30) / 2;
    else if (arc >= 60 && arc < 90) value = arc - 45;
    else if (arc >= 90 && arc < 120) value = (120 - arc) / 2 + 30;
    else if (arc >= 120 && arc < 150) value = 150 - arc;
    else if (arc >= 150 && arc < 180) value = 2 * (arc - 150);
    else if (arc >= 180 && arc < 300) value = (300 - arc) / 2;
    const auto within = [&](double from, double to) { return arc >= from && arc < to; };
    if (aspecting == SaturnBody && (within(60, 90) || within(270, 300))) value += 45;
    if (aspecting == JupiterBody && (within(120, 150) || within(240, 270))) value += 30;
    if (aspecting == MarsBody && (within(90, 120) || within(210, 240))) value += 15;
    return value;
}

double Drik(std::size_t planet, const ShadbalaInput& input, const std::array<bool, PlanetCount>& malefics) {
    double net = 0;
    for (std::size_t other = 0; other < PlanetCount; ++other) {
        if (other == planet) continue;
        const double drishti =
            Drishti(other, DegreesInCircle(input.Longitudes[planet] - input.Longitudes[other]));
        net += malefics[other] ? -drishti : drishti;
    }
    return net / 4;
}

std::optional<double> LordVirupas(const std::optional<DayLords>& lords, std::size_t DayLords::*lord,
                                  std::size_t planet, double virupas) {
    if (!lords) return std::nullopt;
    return (*lords).*lord == planet ? virupas : 0;
}

// Kala bala but for Yuddha; none without the day.
std::optional<double> KalaBeforeWar(const ShadbalaComponents& c) {
    if (!c.Tribhaga) return std::nullopt;
    return c.Nathonnatha + c.Paksha + *c.Tribhaga + *c.Abda + *c.Masa + *c.Vara + *c.Hora + c.Ayana;
}

// Sthana + Dig + Kala without Yuddha, the strength a war weighs.
std::optional<double> WarStrength(const PlanetStrength& strength) {
    const auto kala = KalaBeforeWar(strength.Components);
    if (!kala) return std::nullopt;
    return strength.Sthana + strength.Dig + *kala;
}

bool AtWar(double longitude, double otherLongitude) { return Arc(longitude, otherLongitude) <= 1; }

// Planets within 1° of each other are at war: the one further north takes from the other the
// difference of their strengths over the difference of their discs. Returns whether any war
// went unweighed for want of the day.
bool WageWars(const ShadbalaInput& input, std::array<PlanetStrength, PlanetCount>& planets) {
    bool unweighed = false;
    for (std::size_t i = 0; i < WarringPlanets.size(); ++i) {
        for (std::size_t j = i + 1; j < WarringPlanets.size(); ++j) {
            std::size_t victor = WarringPlanets[i], vanquished = WarringPlanets[j];
            if (!AtWar(input.Longitudes[victor], input.Longitudes[vanquished])) continue;
            if (input.Latitudes[victor] == input.Latitudes[vanquished]) continue;  // no victor
            if (input.Latitudes[victor] < input.Latitudes[vanquished]) std::swap(victor, vanquished);
            auto& victorYuddha = planets[victor].Components.Yuddha;
            auto& vanquishedYuddha = planets[vanquished].Components.Yuddha;
            const auto victorStrength = WarStrength(planets[victor]);
            const auto vanquishedStrength = WarStrength(planets[vanquished]);
            if (!victorStrength || !vanquishedStrength) {
                victorYuddha = vanquishedYuddha = std::nullopt;
                unweighed = true;
                continue;
            }
            const double share = std::abs(*victorStrength - *vanquishedStrength) /
                                 std::abs(DiscDiameterArcseconds[victor] - DiscDiameterArcseconds[vanquished]);
            if (victorYuddha) *victorYuddha += share;
            if (vanquishedYuddha) *vanquishedYuddha -= share;
        }
    }
    return unweighed;
}

std::optional<double> KalaOf(const ShadbalaComponents& c) {
    const auto beforeWar = KalaBeforeWar(c);
    if (!beforeWar || !c.Yuddha) return std::nullopt;
    return *beforeWar + *c.Yuddha;
}

}  // namespace

bool AnyPlanetsAtWar(const std::array<double, 9>& longitudes) {
    for (std::size_t i = 0; i < WarringPlanets.size(); ++i) {
        for (std::size_t j = i + 1; j < WarringPlanets.size(); ++j) {
            if (AtWar(longitudes[WarringPlanets[i]], longitudes[WarringPlanets[j]])) return true;
        }
    }
    return false;
}

Shadbala ComputeShadbala(const ShadbalaInput& input) {
    const auto& longitudes = input.Longitudes;
    const double birth = input.BirthJulianDayUT;
    std::optional<DayLords> dayLords;
    if (input.Day && DayHoldsBirth(*input.Day, birth)) dayLords = LordsOfDay(*input.Day, birth);

    std::array<int, PlanetCount> rasiSigns{};
    for (std::size_t planet = 0; planet < PlanetCount; ++planet) rasiSigns[planet] = SignOf(longitudes[planet]);
    const auto malefics = Malefics(input);
    const double sunMoonArc = Arc(longitudes[SunBody], longitudes[MoonBody]);
    const double ghatisFromMidnight = std::min(std::abs(birth - input.MidnightJulianDayUT) * GhatisPerDay, 30.0);

    Shadbala shadbala;
    for (std::size_t planet = 0; planet < PlanetCount; ++planet) {
        const double longitude = longitudes[planet];
        PlanetStrength& strength = shadbala.Planets[planet];
        ShadbalaComponents& c = strength.Components;
        c.Uchcha = Arc(longitude, DeepExaltationDegrees[planet] + 180) / 3;
        c.Saptavargaja = Saptavargaja(planet, longitude, rasiSigns);
        c.Ojayugma = Ojayugma(planet, longitude);
        c.Kendra = Kendra(longitude, input.Ascendant);
        c.Drekkana = Drekkana(planet, longitude);
        c.Nathonnatha = Nathonnatha(planet, ghatisFromMidnight);
        c.Paksha = Paksha(planet, sunMoonArc, malefics[planet]);
        c.Tribhaga = LordVirupas(dayLords, &DayLords::Tribhaga, planet, 60);
        if (c.Tribhaga && planet == JupiterBody) c.Tribhaga = 60;
        c.Abda = LordVirupas(dayLords, &DayLords::Year, planet, 15);
        c.Masa = LordVirupas(dayLords, &DayLords::Month, planet, 30);
        c.Vara = LordVirupas(dayLords, &DayLords::Weekday, planet, 45);
        c.Hora = LordVirupas(dayLords, &DayLords::Hora, planet, 60);
        c.Ayana = Ayana(planet, longitude + input.Ayanamsa);
        c.Yuddha = 0;
        strength.Sthana = c.Uchcha + c.Saptavargaja + c.Ojayugma + c.Kendra + c.Drekkana;
        strength.Dig = Dig(planet, longitude, input.Ascendant, input.Midheaven);
        strength.Cheshta = Cheshta(planet, input);
        strength.Naisargika = VirupasPerRupa * NaisargikaSevenths[planet] / 7;
        strength.Drik = Drik(planet, input, malefics);
        strength.Required = RequiredRupas[planet];
    }
    const bool warUnweighed = WageWars(input, shadbala.Planets);

    for (PlanetStrength& strength : shadbala.Planets) {
        strength.Kala = KalaOf(strength.Components);
        if (!strength.Kala) continue;
        strength.Total =
            strength.Sthana + strength.Dig + *strength.Kala + strength.Cheshta + strength.Naisargika + strength.Drik;
        strength.Rupas = *strength.Total / VirupasPerRupa;
        strength.Ratio = *strength.Rupas / strength.Required;
    }
    if (!dayLords) {
        shadbala.NoteReason = input.Day ? "The day's sunrise, sunset and next sunrise do not hold the birth"
                                        : "The Sun does not rise or set here on the day of the birth";
        shadbala.NoteParts = warUnweighed ? "Tribhaga, Abda, Masa, Vara, Hora, the Yuddha of the planets at war"
                                          : "Tribhaga, Abda, Masa, Vara, Hora";
        shadbala.Note = ShadbalaNoteIn(shadbala, Language::English);
    }
    return shadbala;
}

std::string ShadbalaNoteIn(const Shadbala& shadbala, Language language) {
    if (shadbala.NoteReason.empty()) return {};
    const auto piece = [language](std::string_view english) {
        return std::string(Translated(language, "vargas/shadbala.cpp note", english));
    };
    return piece(shadbala.NoteReason) + piece(", so ") + piece(shadbala.NoteParts) +
           piece(" and with them Kala, Total, Rupas and Ratio are left out.");
}

}  // namespace grahavani
