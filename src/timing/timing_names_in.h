#pragma once
// The panchang's and the dashas' names, and why a day has no sunrise, for a reader of another language. The computed timing
// keeps the English names (the JSON's codes); what shows them translates them here.

#include <string_view>

#include "model/language.h"

namespace grahavani {

enum class TimingNames {
    Tithis,        // Panchang::Tithi, "Shukla Pratipada"
    Pakshas,       // Panchang::Paksha
    Yogas,         // Panchang::Yoga
    Karanas,       // Panchang::Karana
    Varas,         // Panchang::Vara, WeekdayNames
    DashaSystems,  // DashaSystemNames
    DashaLevels,   // DashaLevelNames
    DashaLords,    // DashaRuler::Lord, the nine bodies' English names
    Yoginis,       // DashaRuler::Yogini
    NoSunrise,     // ChartTiming::SunriseReason, NoSunriseReasons
};

// `english`, a name of `names`, in `language`; a name the table does not hold, as it is.
std::string_view TimingNameIn(TimingNames names, std::string_view english, Language language);

}  // namespace grahavani
