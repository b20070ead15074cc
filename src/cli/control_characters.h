#pragma once
// Control characters in a text the command writes into a report or a message: a line
// break would add lines of its own, an escape sequence would command the terminal.

#include <string_view>

namespace grahavani {

// What a refused text is told, after the name of its argument or field.
inline constexpr const char* ControlCharacterRefusal =
    "must not hold control characters (line breaks, tabs, escapes)";

// Whether the UTF-8 text holds a C0 control, DEL or a C1 control (U+0080 to U+009F).
bool HoldsControlCharacter(std::string_view utf8);

}  // namespace grahavani
