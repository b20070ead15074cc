#include "texts/monospaced_width.h"

#include <gtest/gtest.h>

namespace grahavani {
namespace {

TEST(MonospacedWidth, CountsCharactersAndNotTheMarksThatJoinThem) {
    const struct {
        const char* text;
        std::size_t width;
    } rows[] = {
        {"", 0},          {"Graha Maitri", 12},  {"Nakshatra é", 11}, {"कूट", 2},       {"ग्रह मैत्री", 7},
        {"नाड़ी", 2},     {"पोरुत्तम", 5},        {"பொருத்தம்", 5},   {"கௌலவம்", 4}, {"ஸ்திரீ தீர்க்கம்", 9},
        {"\xE0\xA4", 1},  // a sequence cut short counts as one character
    };
    for (const auto& row : rows) EXPECT_EQ(MonospacedWidth(row.text), row.width) << row.text;
}

}  // namespace
}  // namespace grahavani
