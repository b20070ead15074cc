#pragma once
// The languages the program writes for a reader. Computed charts keep their English codes; the
// language is handed to what formats the texts, so one process can write several at once.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace grahavani {

enum class Language { English, Hindi, Tamil };

inline constexpr std::size_t LanguageCount = 3;

// "en", "hi", "ta": the codes of the settings and of --language.
inline constexpr std::array<std::string_view, LanguageCount> LanguageCodes = {"en", "hi", "ta"};

constexpr std::string_view LanguageCode(Language language) {
    return LanguageCodes[static_cast<std::size_t>(language)];
}

constexpr std::optional<Language> LanguageFromCode(std::string_view code) {
    for (std::size_t i = 0; i < LanguageCodes.size(); ++i) {
        if (LanguageCodes[i] == code) return static_cast<Language>(i);
    }
    return std::nullopt;
}

}  // namespace grahavani
