#include "texts/position_text_in.h"

#include "model/name_tables.h"
#include "translation/names_in.h"

namespace grahavani {

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The sign a three-letter word names, or -1.
int SignOfWord(std::string_view word) {
    if (word.size() != 3) return -1;
    for (std::size_t sign = 0; sign < SignAbbreviationList.size(); ++sign) {
        const std::string_view code = SignAbbreviationList[sign];
        if (code[0] == word[0] && code[1] == word[1] && code[2] == word[2]) return static_cast<int>(sign);
    }
    return -1;
}

// Where the sign's word starts: at the end of a long text, at the fourth character of a short
// one, else the first word of three letters that names a sign; npos when there is none.
std::size_t SignWordStart(std::string_view text) {
    const std::size_t size = text.size();
    if (size >= 4 && text[size - 4] == ' ' && SignOfWord(text.substr(size - 3)) >= 0) return size - 3;
    if (size >= 7 && text[2] == ' ' && text[6] == ' ' && SignOfWord(text.substr(3, 3)) >= 0) return 3;
    for (std::size_t start = 0; start < size;) {
        if (!IsLetter(text[start])) {
            ++start;
            continue;
        }
        std::size_t end = start;
        while (end < size && IsLetter(text[end])) ++end;
        if (SignOfWord(text.substr(start, end - start)) >= 0) return start;
        start = end;
    }
    return std::string_view::npos;
}

}  // namespace

void AppendPositionTextIn(Language language, std::string_view text, std::string& out) {
    const std::size_t start = language == Language::English ? std::string_view::npos : SignWordStart(text);
    if (start == std::string_view::npos) {
        out.append(text);
        return;
    }
    const auto sign = static_cast<std::size_t>(SignOfWord(text.substr(start, 3)));
    out.append(text.substr(0, start));
    out.append(NamesIn(language).PositionSigns[sign]);
    out.append(text.substr(start + 3));
}

std::string PositionTextIn(Language language, std::string_view text) {
    std::string written;
    AppendPositionTextIn(language, text, written);
    return written;
}

}  // namespace grahavani
