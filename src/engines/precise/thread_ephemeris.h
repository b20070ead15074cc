#pragma once
// The Swiss Ephemeris keeps its settings and open files per thread: every call into it first
// prepares its thread, once, and the thread's files are closed when it ends.

namespace grahavani {

// The library's own folder (or SE_EPHE_PATH) and the Lahiri ayanamsa, for this thread.
void PrepareEphemerisThread();

}  // namespace grahavani
