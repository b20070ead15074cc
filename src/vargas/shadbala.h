#pragma once
// The shadbala, the six-fold strength of the seven planets by B. V. Raman's method, in virupas
// (60 to a rupa), from a chart's sidereal positions and the times of its day.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/language.h"

namespace grahavani {

// The Vedic day that holds the birth, every instant a Julian day (UT).
struct VedicDaySpan {
    double SunriseJulianDayUT = 0;      // the sunrise that began it
    double SunsetJulianDayUT = 0;       // the sunset that followed
    double NextSunriseJulianDayUT = 0;  // the sunrise that ended it
    // The Julian day number of the local civil date whose sunrise began it; its weekday,
    // (number + 1) mod 7 from 0 Sunday, is the Panchang's vara.
    int CivilJulianDayNumber = 0;
};

struct ShadbalaInput {
    // Sidereal degrees in BodyOrder, Sun to Ketu.
    std::array<double, 9> Longitudes{};
    // Ecliptic latitudes in degrees, north positive, in BodyOrder; only those of planets at war
    // (AnyPlanetsAtWar) count.
    std::array<double, 9> Latitudes{};
    double Ascendant = 0;  // sidereal degrees
    double Midheaven = 0;  // sidereal degrees
    double Ayanamsa = 0;   // degrees: tropical = sidereal + Ayanamsa
    double BirthJulianDayUT = 0;
    // The Sun's lower transit (local apparent midnight) nearest the birth.
    double MidnightJulianDayUT = 0;
    // None where the Sun does not rise or set that day. A day that does not hold the birth
    // (sunrise ≤ birth < next sunrise, sunset between) counts as none, and the note says so.
    std::optional<VedicDaySpan> Day;
};

// The fourteen parts of sthana and kala bala, in virupas. Without the day, Tribhaga, Abda,
// Masa, Vara and Hora are empty, and Yuddha for a planet at war (it weighs the kala bala).
struct ShadbalaComponents {
    double Uchcha = 0;
    double Saptavargaja = 0;
    double Ojayugma = 0;
    double Kendra = 0;
    double Drekkana = 0;
    double Nathonnatha = 0;
    double Paksha = 0;
    std::optional<double> Tribhaga;
    std::optional<double> Abda;
    std::optional<double> Masa;
    std::optional<double> Vara;
    std::optional<double> Hora;
    double Ayana = 0;
    std::optional<double> Yuddha;
};

// One planet's strengths in virupas, except Rupas and Required (rupas) and Ratio (Rupas over
// Required). Kala and the totals above it are empty when a kala component is.
struct PlanetStrength {
    double Sthana = 0;
    double Dig = 0;
    std::optional<double> Kala;
    double Cheshta = 0;
    double Naisargika = 0;
    double Drik = 0;
    std::optional<double> Total;
    std::optional<double> Rupas;
    double Required = 0;
    std::optional<double> Ratio;
    ShadbalaComponents Components;
};

struct Shadbala {
    std::array<PlanetStrength, 7> Planets;  // BodyOrder, Sun to Saturn
    std::string Note;                       // why components are empty, in English; else empty
    std::string_view NoteReason;            // the note's pieces, which ShadbalaNoteIn translates
    std::string_view NoteParts;
};

Shadbala ComputeShadbala(const ShadbalaInput& input);

// The note of `shadbala` in `language`; empty when it has none.
std::string ShadbalaNoteIn(const Shadbala& shadbala, Language language);

// Whether two of Mercury, Venus, Mars, Jupiter and Saturn stand within 1° of each other: only
// then does a war, and with it the planets' latitudes, count. Sidereal degrees in BodyOrder.
bool AnyPlanetsAtWar(const std::array<double, 9>& longitudes);

}  // namespace grahavani
