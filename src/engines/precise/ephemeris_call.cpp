#include "engines/precise/ephemeris_call.h"

#include <swephexp.h>

namespace grahavani {

namespace {

// The library's text on one line: it breaks lines and ends its notes with "; ".
std::string OneLine(const char* libraryMessage) {
    std::string line;
    for (const char* c = libraryMessage; *c != '\0'; ++c) {
        const bool space = *c == ' ' || *c == '\n' || *c == '\r' || *c == '\t';
        if (!space) {
            line += *c;
        } else if (!line.empty() && line.back() != ' ') {
            line += ' ';
        }
    }
    while (!line.empty() && (line.back() == ' ' || line.back() == ';')) line.pop_back();
    return line;
}

}  // namespace

EphemerisFailure LibraryFailure(const char* libraryMessage) {
    const std::string reason = OneLine(libraryMessage);
    if (reason.empty()) return EphemerisFailure("The Swiss Ephemeris cannot compute the chart and gives no reason.");
    if (reason.find("damaged") != std::string::npos) {
        return EphemerisFailure("The Swiss Ephemeris cannot compute the chart: %1 Replace the file, or remove it to "
                                "compute with the Moshier theory.",
                                {reason});
    }
    return EphemerisFailure("The Swiss Ephemeris cannot compute the chart: %1", {reason});
}

EphemerisSource CheckEphemerisCall(int returnedFlags, const char* libraryMessage) {
    if (returnedFlags < 0) throw LibraryFailure(libraryMessage);
    const std::string reason = OneLine(libraryMessage);
    // The flags say so for a planet; only the words say so for the Moon, and a long folder
    // name can cut the words short.
    if ((returnedFlags & SEFLG_MOSEPH) != 0 || reason.find("Moshier") != std::string::npos) {
        return {false, "The Moshier theory stands in for a missing ephemeris file: " + reason};
    }
    if (reason.empty() && (returnedFlags & SEFLG_SWIEPH) != 0) return {};
    if (reason.empty()) throw EphemerisFailure("The Swiss Ephemeris did not compute from its files and gives no reason.");
    throw EphemerisFailure("The Swiss Ephemeris did not compute from its files: %1", {reason});
}

}  // namespace grahavani
