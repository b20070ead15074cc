#pragma once
// Sign and body names shared by the calculation, the drawings and the report.

#include <array>
#include <string_view>

namespace grahavani {

inline constexpr std::string_view SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

inline constexpr std::array<std::string_view, 12> SignAbbreviationList = {
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

// Sanskrit sign names for the lagna, in sign order (Sagittarius is "Dhanush" here).
inline constexpr std::array<std::string_view, 12> LagnaNames = {
    "Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha", "Kanya",
    "Thula", "Vrishcika", "Dhanush", "Makara", "Kumbha", "Meena"};

// Index 0 (Sun) to 10 (Midheaven).
inline constexpr std::array<std::string_view, 11> BodyNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter",
    "Saturn", "Rahu", "Ketu", "Ascendant", "Midheaven"};

inline constexpr std::array<std::string_view, 11> BodyVedicNames = {
    "Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru",
    "Shani", "Rahu", "Ketu", "Ascendant", "Midheaven"};

inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December"};

// The abbreviation of sign s (0 = Aries); empty for a number outside 0-11.
constexpr std::string_view SignAbbreviation(int sign) {
    return sign >= 0 && sign < 12 ? SignAbbreviationList[static_cast<std::size_t>(sign)]
                                   : std::string_view{};
}

}  // namespace grahavani
