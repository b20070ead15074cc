#include "texts/monospaced_width.h"

#include <array>
#include <utility>

namespace grahavani {

namespace {

// The combining marks of Devanagari and Tamil, first and last code points.
constexpr std::array<std::pair<char32_t, char32_t>, 8> CombiningMarks = {{
    {0x0900, 0x0903}, {0x093A, 0x094F}, {0x0951, 0x0957}, {0x0962, 0x0963},
    {0x0B82, 0x0B82}, {0x0BBE, 0x0BCD}, {0x0BD7, 0x0BD7},
    {0x200C, 0x200D},  // the zero-width non-joiner and joiner
}};

bool IsCombining(char32_t code) {
    for (const auto& [first, last] : CombiningMarks) {
        if (code >= first && code <= last) return true;
    }
    return false;
}

}  // namespace

std::size_t MonospacedWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        if (!IsCombining(code)) ++width;
        i += length;
    }
    return width;
}

}  // namespace grahavani
