#include "engines/precise/thread_ephemeris.h"

#include <swephexp.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "engines/precise/ephemeris_failure.h"

namespace grahavani {

namespace {

static_assert(LongestEphemerisPath == AS_MAXCH - 1 - 13, "swe_set_ephe_path's limit");

class ThreadEphemeris {
public:
    ThreadEphemeris() = default;
    ~ThreadEphemeris() { swe_close(); }
    ThreadEphemeris(const ThreadEphemeris&) = delete;
    ThreadEphemeris& operator=(const ThreadEphemeris&) = delete;

    void Prepare() {
        const char* set = std::getenv("SE_EPHE_PATH");
        const std::string_view path = set ? set : "";
        if (!prepared_ || path != path_) {
            // Setting the path closes the files opened from the previous one.
            prepared_ = true;
            path_ = path;
            pathTooLong_ = path.size() > LongestEphemerisPath;
            swe_set_ephe_path(nullptr);  // the library's own folder, or SE_EPHE_PATH
            siderealMode_.reset();        // set afresh on the new files
        }
        if (pathTooLong_) {
            throw EphemerisFailure("SE_EPHE_PATH is %1 bytes long, but the Swiss Ephemeris reads at most %2: name the "
                                   "ephemeris folder by a shorter path.",
                                   {std::to_string(path_.size()), std::to_string(LongestEphemerisPath)});
        }
    }

    void UseSiderealMode(int mode) {
        if (siderealMode_ == mode) return;
        swe_set_sid_mode(mode, 0, 0);
        siderealMode_ = mode;
    }

private:
    bool prepared_ = false;
    std::string path_;     // the SE_EPHE_PATH the library was set up with
    bool pathTooLong_ = false;  // the library would cut it short: it cannot be used
    std::optional<int> siderealMode_;  // the library's predefined mode last set
};

ThreadEphemeris& ThisThreadsEphemeris() {
    thread_local ThreadEphemeris ephemeris;
    return ephemeris;
}

}  // namespace

void PrepareEphemerisThread() { ThisThreadsEphemeris().Prepare(); }

void UseSiderealMode(int mode) { ThisThreadsEphemeris().UseSiderealMode(mode); }

}  // namespace grahavani
