#include "formats/windows1252.h"

#include <array>
#include <cstring>

namespace grahavani {

namespace {

// Code points of bytes 0x80-0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t ReplacementCharacter = 0xFFFD;

}  // namespace

char32_t Windows1252ToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return HighControlRange[byte - 0x80u];
    return byte;
}

std::optional<unsigned char> CodePointToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

char32_t Utf8Reader::Next() {
    const auto byteAt = [this](std::size_t i) { return static_cast<unsigned char>(text_[i]); };
    const unsigned char lead = byteAt(position_++);
    if (lead < 0x80) return lead;

    int continuationCount = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        continuationCount = 1, codePoint = lead & 0x1Fu, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        continuationCount = 2, codePoint = lead & 0x0Fu, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        continuationCount = 3, codePoint = lead & 0x07u, smallest = 0x10000;
    } else {
        return ReplacementCharacter;
    }
    for (int i = 0; i < continuationCount; ++i) {
        if (AtEnd() || (byteAt(position_) & 0xC0) != 0x80) return ReplacementCharacter;
        codePoint = (codePoint << 6) | (byteAt(position_++) & 0x3Fu);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < smallest || codePoint > 0x10FFFF || surrogate) return ReplacementCharacter;
    return codePoint;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::string ToWindows1252(std::string_view utf8, char replacement) {
    // Each character takes one byte, never more than its UTF-8 form, so the result
    // is written in place and cut to length at the end.
    std::string out(utf8.size(), '\0');
    char* written = out.data();
    const char* next = utf8.data();
    const char* const end = next + utf8.size();
    constexpr std::uint64_t HighBits = 0x8080808080808080u;
    while (next != end) {
        // ASCII is the same in both codes: eight bytes at a time while it lasts.
        std::uint64_t word = 0;
        if (end - next >= 8 && (std::memcpy(&word, next, 8), (word & HighBits) == 0)) {
            std::memcpy(written, next, 8);
            written += 8;
            next += 8;
            continue;
        }
        if (static_cast<unsigned char>(*next) < 0x80) {
            *written++ = *next++;
            continue;
        }
        const char* const start = next++;
        while (next != end && (static_cast<unsigned char>(*next) & 0xC0) == 0x80) ++next;
        Utf8Reader reader(std::string_view(start, static_cast<std::size_t>(next - start)));
        while (!reader.AtEnd()) {
            const auto byte = CodePointToWindows1252(reader.Next());
            *written++ = byte ? static_cast<char>(*byte) : replacement;
        }
    }
    out.resize(static_cast<std::size_t>(written - out.data()));
    return out;
}

std::string FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    while (!bytes.empty()) {
        // Copy each run of ASCII at once; only the other bytes need a lookup.
        std::size_t ascii = 0;
        while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80) ++ascii;
        out.append(bytes.substr(0, ascii));
        bytes.remove_prefix(ascii);
        if (bytes.empty()) break;
        AppendUtf8(out, Windows1252ToCodePoint(static_cast<unsigned char>(bytes.front())));
        bytes.remove_prefix(1);
    }
    return out;
}

}  // namespace grahavani
