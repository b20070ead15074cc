#pragma once
// Everything the calculation derives from a birth record. Positions travel as texts.

#include <array>
#include <string>

namespace grahavani {

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
};

}  // namespace grahavani
