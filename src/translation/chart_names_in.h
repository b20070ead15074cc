#pragma once
// The names a computed chart and its entries hold in English (their codes), as a reader of another
// language reads them: the lagna, the Moon's nakshatra and rashi, a body (a nakshatra's lord among
// them), a sign, a month, a zone row, and the entries' check messages.

#include <string>
#include <string_view>

#include "model/language.h"

namespace grahavani {

std::string_view LagnaNameIn(std::string_view lagnaName, Language language);          // "Dhanush"
std::string_view NakshatraNameIn(std::string_view nakshatra, Language language);      // "Ashwini"
std::string_view RashiNameIn(std::string_view rashi, Language language);              // "Dhanus"
std::string_view BodyNameIn(std::string_view body, Language language);                // "Sun", "Ketu"
std::string_view SignCodeIn(std::string_view code, Language language);                 // "Ari"
std::string_view MonthNameIn(std::string_view month, Language language);              // "January"
// A message of the birth entries' checks (CheckBirthEntries), its range included.
std::string BirthEntryMessageIn(std::string_view message, Language language);
// A zone row's text, "Indian Time, IST, +5.3": its name in the language, its code and offset kept.
std::string_view ZoneRowTextIn(std::string_view rowText, Language language);

}  // namespace grahavani
