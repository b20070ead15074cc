#pragma once
// The editorial texts of the interpretation. They live in data/*.json (English) and
// data/<language>/*.json (their translations, in the same shape) so that an editor can change
// them; the build embeds them into a generated source that defines these tables.

#include <array>
#include <cstddef>
#include <string_view>

#include "model/language.h"

namespace grahavani {

// Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn: the planets the reading covers.
inline constexpr std::size_t ReadingPlanetCount = 7;

// [planet][sign], both counted from 0: the paragraph on a planet in a sign.
extern const std::array<std::array<std::string_view, 12>, ReadingPlanetCount> PlanetSignTexts;
extern const std::array<std::string_view, ReadingPlanetCount> PlanetDescriptions;

struct NakshatraProse {
    std::string_view generalAndPhysicalFeatures;
    std::string_view positiveHumanTraits;
    std::string_view negativeHumanTraits;
    std::string_view bestCareerOptions;
    std::string_view domesticLife;
    std::string_view health;
};

// In the order of NakshatraNames.
extern const std::array<NakshatraProse, 27> NakshatraProseTable;

struct SignProse {
    std::string_view looks;
    std::string_view nature;
    std::string_view careerAndFinance;
    std::string_view loveAndDomesticLife;
    std::string_view health;
};

// Aries to Pisces.
extern const std::array<SignProse, 12> SignProseTable;

// The same four tables in one language; English gives the tables above.
struct InterpretiveTexts {
    const std::array<std::array<std::string_view, 12>, ReadingPlanetCount>& planetSigns;
    const std::array<std::string_view, ReadingPlanetCount>& planetDescriptions;
    const std::array<NakshatraProse, 27>& nakshatraProse;
    const std::array<SignProse, 12>& signProse;
};

const InterpretiveTexts& InterpretiveTextsIn(Language language);

}  // namespace grahavani
