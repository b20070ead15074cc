#include "translation/chart_names_in.h"

#include "translation/translated.h"

namespace grahavani {

std::string_view LagnaNameIn(std::string_view lagnaName, Language language) {
    return Translated(language, "model/name_tables.h LagnaNames", lagnaName);
}

std::string_view NakshatraNameIn(std::string_view nakshatra, Language language) {
    return Translated(language, "model/vedic_names.h NakshatraNames", nakshatra);
}

std::string_view RashiNameIn(std::string_view rashi, Language language) {
    return Translated(language, "model/vedic_names.h RashiNames", rashi);
}

std::string_view BodyNameIn(std::string_view body, Language language) {
    return Translated(language, "model/name_tables.h BodyNames", body);
}

std::string_view SignCodeIn(std::string_view code, Language language) {
    return Translated(language, "model/name_tables.h SignAbbreviationList", code);
}

std::string BirthEntryMessageIn(std::string_view message, Language language) {
    constexpr std::string_view Context = "model/birth_entries.cpp messages";
    constexpr std::string_view Range = " from -32768 to 32767";  // after a coordinate's message
    if (message.ends_with(Range)) {
        return std::string(Translated(language, Context, message.substr(0, message.size() - Range.size()))) +
               std::string(Translated(language, Context, Range));
    }
    return std::string(Translated(language, Context, message));
}

std::string_view ZoneRowTextIn(std::string_view rowText, Language language) {
    return Translated(language, "model/reference_tables.cpp TimeZoneList", rowText);
}

std::string_view MonthNameIn(std::string_view month, Language language) {
    return Translated(language, "model/name_tables.h MonthNames", month);
}

}  // namespace grahavani
