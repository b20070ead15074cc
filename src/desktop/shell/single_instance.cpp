#include "desktop/shell/single_instance.h"

#include <QStandardPaths>

namespace grahavani {

SingleInstanceLock::SingleInstanceLock(const QString& lockPath) : lock_(lockPath) {
    // The lock is held for hours; only a holder that no longer runs makes it stale.
    lock_.setStaleLockTime(0);
}

bool SingleInstanceLock::Acquire() {
    return lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError;
}

QString SingleInstanceLock::DefaultLockPath() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           "/grahavani.lock";
}

}  // namespace grahavani
