#pragma once
// Removes one file when the program is stopped by SIGINT, SIGTERM or SIGHUP, then lets
// the signal end the program as it would have, so an interrupted -o leaves no
// half-written temporary file behind. One file at a time.

#include <string>

namespace grahavani {

class RemovalOnSignal {
public:
    // Signals the caller ignores stay ignored.
    explicit RemovalOnSignal(const std::string& path);
    ~RemovalOnSignal();  // the signals' earlier handling comes back
    RemovalOnSignal(const RemovalOnSignal&) = delete;
    RemovalOnSignal& operator=(const RemovalOnSignal&) = delete;
};

}  // namespace grahavani
