#include "interpretation/picture_keys.h"

#include <algorithm>

namespace grahavani {

std::string PictureFileStem(std::string_view key) {
    std::string stem(key);
    std::ranges::transform(stem, stem.begin(), [](char c) {
        if (c == ' ') return '-';
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return stem;
}

}  // namespace grahavani
