#pragma once
// How a chart is computed: which engine, which lunar node stands for Rahu, the precise
// engine's ayanamsa, and which sunrise begins the Vedic day.

#include <array>
#include <cstddef>
#include <string_view>

namespace grahavani {

enum class Engine { Classic, Precise };
enum class LunarNode { Mean, True };

// The precise engine's ayanamsas: the Swiss Ephemeris's predefined modes, and a value of the
// user's own. The classic engine always keeps its own.
enum class Ayanamsa {
    Lahiri, Raman, Krishnamurti, FaganBradley, Yukteshwar, JnBhasin, TrueChitra, TrueRevati,
    TruePushya, SuryaSiddhanta, Aryabhata, UshaShashi, OwnValue
};

// The moment the Sun counts as risen.
enum class SunriseRule {
    ApparentLimb,    // its upper limb on the sea horizon, refraction included: the almanac's
    ApparentCentre,  // the centre of its disc, refraction included
    TrueCentre       // the centre of its disc on the true horizon: the siddhantic sunrise
};

// The range of an own ayanamsa, in degrees.
inline constexpr double LeastOwnAyanamsa = 0;
inline constexpr double GreatestOwnAyanamsa = 60;

struct ChartOptions {
    Engine engine = Engine::Classic;
    LunarNode node = LunarNode::Mean;
    Ayanamsa ayanamsa = Ayanamsa::Lahiri;
    double ayanamsaValue = 0;  // degrees, for Ayanamsa::OwnValue: the ayanamsa of the birth moment
};

// "classic" or "precise", as the JSON output and grahavani-chart's --engine name them.
inline constexpr std::array<std::string_view, 2> EngineNames = {"classic", "precise"};

inline std::string_view EngineName(Engine engine) {
    return EngineNames[static_cast<std::size_t>(engine)];
}

// In Ayanamsa order, as --ayanamsa and the JSON's AyanamsaName write them.
inline constexpr std::array<std::string_view, 13> AyanamsaNames = {
    "lahiri",     "raman",           "krishnamurti", "fagan-bradley", "yukteshwar",
    "jn-bhasin",  "true-chitra",     "true-revati",  "true-pushya",   "surya-siddhanta",
    "aryabhata",  "usha-shashi",     "own-value"};
// What a chart computed by the classic engine calls its ayanamsa.
inline constexpr std::string_view ClassicAyanamsaName = "classic";

inline std::string_view AyanamsaName(Ayanamsa ayanamsa) {
    return AyanamsaNames[static_cast<std::size_t>(ayanamsa)];
}

// In SunriseRule order, as --sunrise and the JSON's Panchang.SunriseRule write them.
inline constexpr std::array<std::string_view, 3> SunriseRuleNames = {
    "apparent-limb", "apparent-centre", "true-centre"};

inline std::string_view SunriseRuleName(SunriseRule rule) {
    return SunriseRuleNames[static_cast<std::size_t>(rule)];
}

}  // namespace grahavani
