#pragma once
// The Swiss Ephemeris keeps its settings and open files per thread: every call into it first
// prepares its thread, again whenever SE_EPHE_PATH has changed, and the thread's files are
// closed when it ends.

#include <cstddef>

namespace grahavani {

// The longest SE_EPHE_PATH swe_set_ephe_path reads, in bytes: room for a file name within its
// 256-byte buffer. It silently takes its own folder for a longer one.
inline constexpr std::size_t LongestEphemerisPath = 256 - 1 - 13;

// The library's own folder (or SE_EPHE_PATH), for this thread. Throws EphemerisFailure for an
// SE_EPHE_PATH longer than the library reads.
void PrepareEphemerisThread();

// The library's predefined sidereal mode (an SE_SIDM_ number) for this thread's sidereal
// calls, after PrepareEphemerisThread; set only when it changes.
void UseSiderealMode(int mode);

}  // namespace grahavani
