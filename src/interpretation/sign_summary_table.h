#pragma once
// The short profile of each sign that closes every block of the planets-in-signs reading.

#include <array>
#include <string_view>

namespace grahavani {

struct SignSummary {
    std::string_view abbreviation;
    std::string_view englishName;
    std::string_view keywords;
    std::string_view element;
    std::string_view rulingPlanet;
};

// Aries to Pisces. Cancer's keywords end with a space, as the reading prints them.
inline constexpr std::array<SignSummary, 12> SignSummaryTable = {{
    {"Ari", "Aries", "Pioneer, Assertive, Energetic", "Fire", "Mars"},
    {"Tau", "Taurus", "Determined, Stable, Sensual", "Earth", "Venus"},
    {"Gem", "Gemini", "Curious, Intelligent, Congenial", "Air", "Mercury"},
    {"Can", "Cancer", "Protective, Cautious, Intuitive ", "Water", "The Moon"},
    {"Leo", "Leo", "Generous, Enthusiastic, Social", "Fire", "The Sun"},
    {"Vir", "Virgo", "Modest, Critical, Methodical", "Earth", "Mercury"},
    {"Lib", "Libra", "Pleasant, Sociable, Diplomatic", "Air", "Venus"},
    {"Sco", "Scorpio", "Secretive, Possessive, Investigative", "Water", "Pluto and Mars"},
    {"Sag", "Sagittarius", "Adventurous, Extrovert, Philosophical", "Fire", "Jupiter"},
    {"Cap", "Capricorn", "Serious, Ambitious, Disciplined", "Earth", "Saturn"},
    {"Aqu", "Aquarius", "Intelligent, Innovative, Individualistic", "Air", "Uranus and Saturn"},
    {"Pis", "Pisces", "Sensitive, Compassionate, Introspective", "Water", "Neptune and Jupiter"},
}};

}  // namespace grahavani
