#pragma once
// A translated pattern with its placeholders filled: "%1 lies east of Greenwich" and the like.
// A translation may put them in another order; each is filled once, so a value holding "%2"
// stays as it is.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace grahavani {

// `pattern` with each "%n" (n from 1 to 9) replaced by the n-th value; a placeholder with no
// value becomes empty.
std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> values);
std::string Filled(std::string_view pattern, const std::vector<std::string>& values);

}  // namespace grahavani
