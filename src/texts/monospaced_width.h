#pragma once
// How many columns a UTF-8 text takes in a monospaced reader, so that a text table lines up in
// any script: one a character, none for the Devanagari and Tamil vowel signs and viramas that
// join the letter before them.

#include <cstddef>
#include <string_view>

namespace grahavani {

std::size_t MonospacedWidth(std::string_view utf8);

}  // namespace grahavani
