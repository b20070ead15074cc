#include "engines/precise/thread_ephemeris.h"

#include <swephexp.h>

namespace grahavani {

namespace {

class ThreadEphemeris {
public:
    ThreadEphemeris() {
        swe_set_ephe_path(nullptr);  // the library's own folder, or SE_EPHE_PATH
        swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    }
    ~ThreadEphemeris() { swe_close(); }
    ThreadEphemeris(const ThreadEphemeris&) = delete;
    ThreadEphemeris& operator=(const ThreadEphemeris&) = delete;
};

}  // namespace

void PrepareEphemerisThread() { thread_local const ThreadEphemeris ephemeris; }

}  // namespace grahavani
