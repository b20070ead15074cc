#include "formats/text_codec.h"

#include <gtest/gtest.h>

namespace grahavani {
namespace {

TEST(EncodeText, ShiftsEachCodeBy85) {
    EXPECT_EQ(EncodeText("abc"), "\xB6\xB7\xB8");
    EXPECT_EQ(EncodeText(""), "");
    EXPECT_EQ(EncodeText("North"), "\xA3\xC4\xC7\xC9\xBD");
    // The euro sign is 0x80 in the code page, so it is shifted, not escaped.
    EXPECT_EQ(EncodeText("\u20AC"), "\xD5");
    // 170 is the last code that fits.
    EXPECT_EQ(EncodeText("\u00AA"), "\xFF");
}

TEST(EncodeText, EscapesWhatTheShiftCannotHold) {
    EXPECT_EQ(EncodeText("\u00E9"), "#E9;");
    EXPECT_EQ(EncodeText("\u00AB"), "#AB;");
    EXPECT_EQ(EncodeText("R\u0905m"), "\xA7#905;\xC2");
    EXPECT_EQ(EncodeText("\U0001F600"), "#1F600;");
}

TEST(EncodedText, HoldsNoBlankCommaQuoteOrControlCharacter) {
    const std::string stored = EncodeText("A, \"b\"\t\u00E9\u0915\r\n");
    for (const char c : stored) {
        const auto byte = static_cast<unsigned char>(c);
        EXPECT_TRUE(byte >= 85 || byte == '#' || byte == ';' || (byte >= '0' && byte <= '9') ||
                    (byte >= 'A' && byte <= 'F'))
            << int(byte);
    }
}

TEST(DecodeText, RoundTripsEveryText) {
    for (const char* text : {"", "Asha Rao", "Jos\u00E9 M\u00FCller", "\u0930\u093E\u092E",
                             "#E9; literal", "and\u20AC", "\u0081\u00FF\u00AA\u00AB",
                             "\U0001F600 smile"}) {
        EXPECT_EQ(DecodeText(EncodeText(text)), text) << text;
    }
}

TEST(DecodeText, DropsBytesBelow85ThatAreNoEscape) {
    EXPECT_EQ(DecodeText("\xB6\xB7\xB8"), "abc");
    EXPECT_EQ(DecodeText("\xB6\r\n,\x20\xB7"), "ab");
    for (const char* malformed : {"#", "#;", "#E9", "#G1;", "#D800;", "#110000;",
                                  "#1234567;"}) {
        EXPECT_EQ(DecodeText(malformed), "") << malformed;
    }
    EXPECT_EQ(DecodeText("#0E9;"), "\u00E9");
}

TEST(DecodeText, DropsControlCharactersShiftedOrEscaped) {
    // Shifted bytes are code + 85: 0x62 is CR, 0x5F LF, 0x5E tab, 0x55 NUL, 0xD4 DEL.
    const struct {
        const char* stored;
        const char* text;
    } cases[] = {
        {"\xB6\x62\x5F\xB7", "ab"},   {"\xB6#D;#A;\xB7", "ab"}, {"#0;", ""},
        {"\x55\x5E\xD4", ""},          {"#1F;#7F;#9;", ""},      {"\xB6#20;\xB7", "a b"},
        {"#7E;#80;\xD3", "~\u0080~"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeText(c.stored), c.text) << c.stored;
    EXPECT_EQ(DecodeText(EncodeText("tab\tand\r\nnul\x01")), "tabandnul");
}

}  // namespace
}  // namespace grahavani
