#include "atlas/clock_texts.h"

#include <algorithm>
#include <array>

#include "model/name_tables.h"
#include "translation/chart_names_in.h"
#include "translation/filled.h"
#include "translation/translated.h"

namespace grahavani {
namespace {

// British India's daylight saving of 1941-1945 was its war time; the tz database keeps it only as
// "+0630". Elsewhere the database's own abbreviations say war or peace time (EWT, EPT and the like).
struct WarTimeZone {
    std::string_view timeZone;
    int firstYear, lastYear;
};
constexpr std::array kWarTimeZones{WarTimeZone{"Asia/Kolkata", 1941, 1945}, WarTimeZone{"Asia/Karachi", 1942, 1945}};

bool NorthAmericanWartimeAbbreviation(std::string_view abbreviation, char second) {
    return abbreviation.size() == 3 && abbreviation[1] == second && abbreviation[2] == 'T' &&
           std::string_view("ECMPAYHN").find(abbreviation[0]) != std::string_view::npos;
}

}  // namespace

std::string ClockName(std::string_view timeZone, const LocalDateTime& local, const ZoneClock& clock) {
    const std::string_view abbreviation = clock.Abbreviation;
    if (NorthAmericanWartimeAbbreviation(abbreviation, 'W')) return "war time";
    if (NorthAmericanWartimeAbbreviation(abbreviation, 'P')) return "peace time";
    const bool warTime = clock.DaylightSaving && std::any_of(kWarTimeZones.begin(), kWarTimeZones.end(), [&](const auto& zone) {
                             return zone.timeZone == timeZone && local.Year >= zone.firstYear && local.Year <= zone.lastYear;
                         });
    if (warTime) return "war time";
    const bool numeric = abbreviation.empty() || abbreviation.front() == '+' || abbreviation.front() == '-';
    if (!numeric) return std::string(abbreviation);
    return clock.DaylightSaving ? "daylight saving" : "standard time";
}

std::string ZoneLineText(std::string_view timeZone, const LocalDateTime& local, const ZoneClock& clock,
                         Language language) {
    if (language == Language::English) {
        return std::string(timeZone) + " on " + LocalDateText(local) + ": " + UtcOffsetText(clock.OffsetSeconds) +
               ", " + ClockName(timeZone, local, clock);
    }
    const auto text = [language](std::string_view english) {
        return Translated(language, "atlas/clock_texts.cpp ZoneLineText", english);
    };
    const bool knownMonth = local.Month >= 1 && local.Month <= 12;
    const std::string date =
        knownMonth ? Filled("%1 %2 %3", {std::to_string(local.Day),
                                         MonthNameIn(MonthNames[static_cast<std::size_t>(local.Month - 1)], language),
                                         std::to_string(local.Year)})
                   : LocalDateText(local);
    // The clock's name is a word of ours, or the zone's own abbreviation, which stays.
    return Filled(text("%1 on %2: %3, %4"),
                  {timeZone, date, UtcOffsetText(clock.OffsetSeconds), text(ClockName(timeZone, local, clock))});
}

std::string ExtraZoneRowName(std::string_view placeName, std::string_view timeZone, const LocalDateTime& local,
                             const ZoneClock& clock) {
    return std::string(placeName) + " " + std::to_string(local.Year) + ", " + ClockName(timeZone, local, clock) + ", " +
           UtcOffsetText(clock.OffsetSeconds);
}

}  // namespace grahavani
