#pragma once
// Everything the calculation derives from a birth record. Positions travel as texts;
// the numbers they come from travel beside them.

#include <array>
#include <string>
#include <string_view>

#include "model/chart_options.h"

namespace grahavani {

// The order of Longitudes and Retrograde, that of BodyNames.
enum BodyOrder : std::size_t {
    SunBody, MoonBody, MercuryBody, VenusBody, MarsBody, JupiterBody, SaturnBody,
    RahuBody, KetuBody, AscendantPoint, MidheavenPoint, BodyCount
};

// The body of each row of PlanetTexts.
inline constexpr std::array<std::size_t, 6> PlanetTextBodies = {
    MercuryBody, VenusBody, SunBody, MarsBody, JupiterBody, SaturnBody};

struct ChartResult {
    double UniversalTimeHours = 0;
    double BirthDayNumber = 0;
    double Centuries1900 = 0;
    double AyanamsaCorrection = 0;
    std::string AyanamsaText;
    double AscendantDegrees = 0;
    double MidheavenDegrees = 0;
    std::string AscendantText;
    std::string MidheavenText;
    std::array<std::string, 6> PlanetTexts;  // Mercury, Venus, Sun, Mars, Jupiter, Saturn
    std::string RahuText;
    std::string KetuText;
    std::string MoonPositionText;
    std::string MoonNakshatra;
    std::string MoonRashi;
    std::array<std::string, 12> PositionTexts;  // body order; slot 11 stays empty
    std::string AyanamsaDisplay;
    std::string LagnaSign;
    std::string LagnaName;
    std::string NakshatraLord;
    std::string NakshatraPada;

    // The engine's own numbers, in BodyOrder: sidereal degrees in [0, 360).
    std::array<double, BodyCount> Longitudes{};
    std::array<bool, BodyCount> Retrograde{};  // only the precise engine sets any
    double JulianDayUT = 0;
    double AyanamsaDegrees = 0;  // the amount subtracted from tropical longitudes
    std::string_view AyanamsaName = ClassicAyanamsaName;  // an AyanamsaNames entry for the precise engine
    Engine ComputedBy = Engine::Classic;
    std::string Ephemeris;  // "classic", "JPL files" or "Moshier"
    std::string EphemerisNotice;  // why the Moshier theory stood in for a file; else empty
    bool ZoneSignFromHemisphere = true;  // false when the record carried a signed offset
};

}  // namespace grahavani
