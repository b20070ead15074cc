#include "translation/filled.h"

namespace grahavani {

namespace {

template <typename Values>
std::string FilledFrom(std::string_view pattern, const Values& values) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        if (pattern[at] == '%' && next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < std::size(values)) text += std::data(values)[index];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

}  // namespace

std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> values) {
    return FilledFrom(pattern, values);
}

std::string Filled(std::string_view pattern, const std::vector<std::string>& values) {
    return FilledFrom(pattern, values);
}

}  // namespace grahavani
