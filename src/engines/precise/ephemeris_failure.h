#pragma once
// The Swiss Ephemeris could not compute what a chart needs: a damaged file, or a setting it
// refuses. The message says what to fix, naming the file in the library's own words.

#include <stdexcept>

namespace grahavani {

class EphemerisFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace grahavani
