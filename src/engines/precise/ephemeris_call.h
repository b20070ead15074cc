#pragma once
// What one call into the Swiss Ephemeris computed from: its files, or the Moshier theory it
// fell back on because a file was missing. Anything else is a failure.

#include <string>

#include "engines/precise/ephemeris_failure.h"

namespace grahavani {

struct EphemerisSource {
    bool FromFiles = true;
    std::string MoshierNotice;  // names the file the library could not find; empty from files
};

// From the call's returned flags and its error text. Throws EphemerisFailure when the call
// failed (a damaged file), or did not use the files without saying it fell back to Moshier.
EphemerisSource CheckEphemerisCall(int returnedFlags, const char* libraryMessage);

// The failure of a call that returned an error, in the library's words.
EphemerisFailure LibraryFailure(const char* libraryMessage);

}  // namespace grahavani
