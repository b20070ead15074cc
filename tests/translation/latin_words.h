#pragma once
// The runs of Latin letters in a text: what a Hindi or Tamil text may hold only by exception.

#include <string>
#include <string_view>
#include <vector>

namespace grahavani::test {

inline std::vector<std::string> LatinWords(std::string_view text) {
    const auto isLatin = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    std::vector<std::string> words;
    for (std::size_t i = 0; i < text.size();) {
        if (!isLatin(text[i]) || text[i] == '_') {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && isLatin(text[end])) ++end;
        words.emplace_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

}  // namespace grahavani::test
