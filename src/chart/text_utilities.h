#pragma once
// Helpers on UTF-8 texts that count characters, not bytes.

#include <string>
#include <string_view>

namespace grahavani {

// Removes leading and trailing blanks (spaces only).
std::string_view TrimBlanks(std::string_view text);
// The last n characters of a UTF-8 text (all of it when shorter).
std::string_view LastCharacters(std::string_view text, std::size_t n);

}  // namespace grahavani
