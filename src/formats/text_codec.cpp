#include "formats/text_codec.h"

#include <cstdio>

#include "formats/windows1252.h"

namespace grahavani {

namespace {

constexpr int Shift = 85;
constexpr unsigned char LargestShiftedCode = 255 - Shift;
constexpr std::size_t LongestEscapeDigits = 6;

// Every stored value fills a one-line box, so a line break, tab or NUL is never text.
bool IsControlCharacter(char32_t codePoint) { return codePoint < 0x20 || codePoint == 0x7F; }

void AppendUnlessControl(std::string& text, char32_t codePoint) {
    if (!IsControlCharacter(codePoint)) AppendUtf8(text, codePoint);
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads "#XXXX;" at the start of `stored`; gives its length and character.
bool ReadEscape(std::string_view stored, std::size_t& length, char32_t& codePoint) {
    if (stored.empty() || stored[0] != '#') return false;
    char32_t value = 0;
    std::size_t i = 1;
    for (; i < stored.size() && i <= LongestEscapeDigits; ++i) {
        const int digit = HexDigitValue(stored[i]);
        if (digit < 0) break;
        value = value * 16 + static_cast<char32_t>(digit);
    }
    const bool hasDigits = i > 1;
    if (!hasDigits || i >= stored.size() || stored[i] != ';') return false;
    if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    length = i + 1;
    codePoint = value;
    return true;
}

}  // namespace

std::string EncodeText(std::string_view text) {
    std::string stored;
    stored.reserve(text.size());
    Utf8Reader reader(text);
    while (!reader.AtEnd()) {
        const char32_t codePoint = reader.Next();
        const auto code = CodePointToWindows1252(codePoint);
        if (code && *code <= LargestShiftedCode) {
            stored += static_cast<char>(*code + Shift);
        } else {
            char escape[16];
            std::snprintf(escape, sizeof escape, "#%X;", static_cast<unsigned>(codePoint));
            stored += escape;
        }
    }
    return stored;
}

std::size_t StoredEscapeLength(std::string_view stored) {
    std::size_t length = 0;
    char32_t codePoint = 0;
    return ReadEscape(stored, length, codePoint) ? length : 0;
}

std::string DecodeText(std::string_view stored) {
    std::string text;
    text.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size();) {
        const auto byte = static_cast<unsigned char>(stored[i]);
        if (byte >= Shift) {
            AppendUnlessControl(text,
                                Windows1252ToCodePoint(static_cast<unsigned char>(byte - Shift)));
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t codePoint = 0;
        if (ReadEscape(stored.substr(i), length, codePoint)) {
            AppendUnlessControl(text, codePoint);
            i += length;
        } else {
            ++i;  // a byte below the shift stands for nothing
        }
    }
    return text;
}

}  // namespace grahavani
