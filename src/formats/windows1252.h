#pragma once
// Windows-1252, the single-byte code of chart files and text reports.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace grahavani {

// The code point of a Windows-1252 byte. The five bytes the code page leaves
// undefined stand for the C1 controls of the same number, as Windows maps them.
char32_t Windows1252ToCodePoint(unsigned char byte);
// The Windows-1252 byte of a code point, if the code page has it.
std::optional<unsigned char> CodePointToWindows1252(char32_t codePoint);

// Decodes UTF-8 one code point at a time; malformed bytes give U+FFFD.
class Utf8Reader {
public:
    explicit Utf8Reader(std::string_view text) : text_(text) {}
    bool AtEnd() const { return position_ >= text_.size(); }
    char32_t Next();

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

void AppendUtf8(std::string& out, char32_t codePoint);

// UTF-8 to Windows-1252 bytes, with `replacement` for what the code page lacks.
std::string ToWindows1252(std::string_view utf8, char replacement = '?');
std::string FromWindows1252(std::string_view bytes);

}  // namespace grahavani
