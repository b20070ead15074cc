#pragma once
// Helpers on UTF-8 texts that count characters, not bytes. Inline: every position
// text of every chart passes through them.

#include <string_view>

namespace grahavani {

// Removes leading and trailing blanks (spaces only).
inline std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The last n characters of a UTF-8 text (all of it when shorter).
inline std::string_view LastCharacters(std::string_view text, std::size_t n) {
    std::size_t start = text.size();
    while (n > 0 && start > 0) {
        --start;
        // Step back over continuation bytes to the start of the character.
        while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
        --n;
    }
    return text.substr(start);
}

}  // namespace grahavani
