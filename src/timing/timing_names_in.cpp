#include "timing/timing_names_in.h"

#include <array>

#include "translation/translated.h"

namespace grahavani {

std::string_view TimingNameIn(TimingNames names, std::string_view english, Language language) {
    // The catalogue's context of each table, in TimingNames' order.
    static constexpr std::array<std::string_view, 10> Contexts = {
        "timing/panchang.cpp TithiNames",           "timing/panchang.cpp Paksha",
        "timing/panchang.cpp YogaNames",            "timing/panchang.cpp KaranaNames",
        "timing/panchang.h WeekdayNames",           "timing/dasha_timeline.h DashaSystemNames",
        "timing/dasha_timeline.h DashaLevelNames",  "timing/dasha_timeline.cpp DashaRuler lords",
        "timing/dasha_timeline.cpp YoginiRulers yoginis", "engines/precise/sunrise.h NoSunriseReasons",
    };
    return Translated(language, Contexts[static_cast<std::size_t>(names)], english);
}

}  // namespace grahavani
