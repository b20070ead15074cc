#pragma once
// One copy of the program per user: a lock file in the user's runtime folder, held
// for the life of the program. A copy that was killed leaves its file behind, and
// the next start recovers it.

#include <QLockFile>
#include <QString>

namespace grahavani {

class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString& lockPath = DefaultLockPath());

    // False only when a running copy holds the lock. A lock that cannot be made
    // for any other reason does not keep the user from the program.
    bool Acquire();

    static QString DefaultLockPath();

private:
    QLockFile lock_;
};

}  // namespace grahavani
