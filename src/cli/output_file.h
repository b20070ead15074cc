#pragma once
// Output that replaces its target only when it is complete: written to a temporary
// file made exclusively beside the target and renamed over it, so a failure leaves the
// old file whole. The target keeps its permissions; a link as the target has the file
// it points to replaced; anything but a regular file is refused, and so is a path to an
// open descriptor (/dev/stdout) and, unless asked for, a write-protected file. The
// temporary file is removed when the program is interrupted, and by the next run for
// the same target when the program was killed outright.

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <sys/types.h>

#include "descriptor_buffer.h"
#include "removal_on_signal.h"

namespace grahavani {

class OutputFile {
public:
    // See IsOpen and OpenError.
    OutputFile(const std::string& target, bool replaceWriteProtected);
    ~OutputFile();  // removes the temporary file unless committed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool IsOpen() const { return descriptor_ >= 0; }
    // Why the target was refused or no temporary file could be made.
    const std::string& OpenError() const { return openError_; }
    std::ostream& Stream() { return stream_; }
    // Flushes, keeps the target's permissions and renames; on failure leaves the
    // target as it was and says why.
    bool Commit(std::string& error);

private:
    std::string target_;  // what was asked for, for messages
    std::string file_;    // the regular file to replace, links followed
    std::string temporary_;
    std::string openError_;
    mode_t mode_ = 0;
    uid_t owner_ = 0;
    gid_t group_ = 0;
    bool targetExists_ = false;
    int descriptor_ = -1;
    std::optional<RemovalOnSignal> removalOnSignal_;
    std::unique_ptr<DescriptorBuffer> buffer_;
    std::ostream stream_{nullptr};
};

}  // namespace grahavani
