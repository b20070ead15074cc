#pragma once
// The character shift applied to every value stored in a chart file or the settings.
//
// Each character's Windows-1252 code c is stored as the byte c + 85. A character
// that would not fit (code 171 or more, or not in the code page at all) is stored
// as "#", its code point in upper-case hexadecimal, and ";". Those bytes all lie
// below 85, so a reader that only knows the shift drops them, and every text
// without control characters survives the round trip: DecodeText(EncodeText(t)) == t.

#include <cstddef>
#include <string>
#include <string_view>

namespace grahavani {

// UTF-8 text to stored bytes.
std::string EncodeText(std::string_view text);
// Stored bytes to UTF-8 text; bytes below 85 that are not a well-formed escape are dropped,
// and so are C0 control characters and DEL, shifted or escaped.
std::string DecodeText(std::string_view stored);
// The length of the well-formed "#HEX;" escape `stored` begins with, or 0.
std::size_t StoredEscapeLength(std::string_view stored);

}  // namespace grahavani
