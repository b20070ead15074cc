#pragma once
// The language the desktop starts in: the View/Language setting when it names one of ours, else
// the one the environment asks for, else English.

#include <string_view>

#include "model/language.h"

namespace grahavani {

// The locale variables as the process found them; an unset one is empty.
struct LocaleEnvironment {
    std::string_view language;    // LANGUAGE: "hi:en_GB", a colon-separated list of preferences
    std::string_view lcAll;       // LC_ALL
    std::string_view lcMessages;  // LC_MESSAGES
    std::string_view lang;        // LANG
};

// `setting` is View/Language: "en", "hi" or "ta"; anything else is ignored. Then the first
// entry of LANGUAGE whose language (before '_', '.' or '@') is ours; then the language of the
// first of LC_ALL, LC_MESSAGES and LANG that is set, when it is ours.
Language StartLanguage(std::string_view setting, const LocaleEnvironment& environment);

}  // namespace grahavani
