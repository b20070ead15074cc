#pragma once
// The Swiss Ephemeris could not compute what a chart needs: a damaged file, or a setting it
// refuses. The message says what to fix, naming the file in the library's own words.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/language.h"

namespace grahavani {

class EphemerisFailure : public std::runtime_error {
public:
    // `pattern` is one of our English sentences; its placeholders take `values`, the library's
    // words among them, which stay as the library wrote them in every language.
    explicit EphemerisFailure(std::string_view pattern, std::vector<std::string> values = {});

    // The message in the reader's language; English is what().
    std::string MessageIn(Language language) const;

private:
    std::string_view pattern_;  // a literal, so it outlives the failure
    std::vector<std::string> values_;
};

}  // namespace grahavani
