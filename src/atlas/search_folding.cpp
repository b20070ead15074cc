#include "atlas/search_folding.h"

#include <array>

namespace grahavani {
namespace {

// Plain letters for U+00C0 to U+017F, in code point order; '\0' where a code point is no letter
// (U+00D7, U+00F7) or folds to two letters (kTwoLetterFolds).
constexpr char kPlainLetters[] =
    // U+00C0–U+00FF
    "aaaaaa\0ceeeeiiii" "dnooooo\0ouuuuy\0\0" "aaaaaa\0ceeeeiiii" "dnooooo\0ouuuuy\0y"
    // U+0100–U+017F
    "aaaaaaccccccccdd" "ddeeeeeeeeeegggg" "gggghhhhiiiiiiii" "ii\0\0jjkkklllllll"
    "lllnnnnnnnnnoooo" "oo\0\0rrrrrrssssss" "ssttttttuuuuuuuu" "uuuuwwyyyzzzzzzs";
constexpr char32_t kFirstFolded = 0xC0;
static_assert(sizeof kPlainLetters == 0x180 - kFirstFolded + 1);

struct TwoLetterFold {
    char32_t codePoint;
    std::string_view letters;
};
constexpr std::array kTwoLetterFolds{
    TwoLetterFold{0xC6, "ae"}, TwoLetterFold{0xDE, "th"}, TwoLetterFold{0xDF, "ss"},
    TwoLetterFold{0xE6, "ae"}, TwoLetterFold{0xFE, "th"}, TwoLetterFold{0x132, "ij"},
    TwoLetterFold{0x133, "ij"}, TwoLetterFold{0x152, "oe"}, TwoLetterFold{0x153, "oe"}};

// The plain letters for one code point of the folded range, or nothing.
std::string_view PlainLetters(char32_t codePoint) {
    const char* plain = &kPlainLetters[codePoint - kFirstFolded];
    if (*plain != '\0') return {plain, 1};
    for (const auto& fold : kTwoLetterFolds) {
        if (fold.codePoint == codePoint) return fold.letters;
    }
    return {};
}

}  // namespace

std::string FoldForSearch(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            folded += static_cast<char>(lead >= 'A' && lead <= 'Z' ? lead + ('a' - 'A') : lead);
            continue;
        }
        // Romanian's S and T with comma below, U+0218–U+021B: C8 98 to C8 9B.
        if (lead == 0xC8 && i + 1 < text.size()) {
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            if (trail >= 0x98 && trail <= 0x9B) {
                folded += trail <= 0x99 ? 's' : 't';
                ++i;
                continue;
            }
        }
        // U+0300–U+036F: CC 80 to CD AF.
        if (i + 1 < text.size() && (lead == 0xCC || lead == 0xCD)) {
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            if (trail >= 0x80 && trail <= (lead == 0xCC ? 0xBF : 0xAF)) {
                ++i;
                continue;
            }
        }
        // Every code point of the folded range is two bytes long in UTF-8, with lead byte C3 to C5.
        if (lead >= 0xC3 && lead <= 0xC5 && i + 1 < text.size()) {
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            const char32_t codePoint = ((lead & 0x1Fu) << 6) | (trail & 0x3Fu);
            if ((trail & 0xC0) == 0x80 && codePoint >= kFirstFolded) {
                if (const auto plain = PlainLetters(codePoint); !plain.empty()) {
                    folded += plain;
                    ++i;
                    continue;
                }
            }
        }
        folded += text[i];
    }
    return folded;
}

}  // namespace grahavani
