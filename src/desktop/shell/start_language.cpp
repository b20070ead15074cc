#include "desktop/shell/start_language.h"

#include <array>
#include <optional>

namespace grahavani {

namespace {

// "hi_IN.UTF-8" → Hindi; "C", "de_DE" → none.
std::optional<Language> LocaleLanguage(std::string_view locale) {
    return LanguageFromCode(locale.substr(0, locale.find_first_of("_.@")));
}

std::optional<Language> FirstListedLanguage(std::string_view list) {
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        if (const auto language = LocaleLanguage(list.substr(0, colon))) return language;
        if (colon == std::string_view::npos) break;
        list.remove_prefix(colon + 1);
    }
    return std::nullopt;
}

}  // namespace

Language StartLanguage(std::string_view setting, const LocaleEnvironment& environment) {
    if (const auto chosen = LanguageFromCode(setting)) return *chosen;
    if (const auto listed = FirstListedLanguage(environment.language)) return *listed;
    for (const std::string_view locale : {environment.lcAll, environment.lcMessages, environment.lang}) {
        if (!locale.empty()) return LocaleLanguage(locale).value_or(Language::English);
    }
    return Language::English;
}

}  // namespace grahavani
