#include "control_characters.h"

#include "formats/windows1252.h"

namespace grahavani {

bool HoldsControlCharacter(std::string_view utf8) {
    for (Utf8Reader reader(utf8); !reader.AtEnd();) {
        const char32_t codePoint = reader.Next();
        if (codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F)) return true;
    }
    return false;
}

}  // namespace grahavani
