#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "desktop/shell/single_instance.h"

namespace grahavani::test {
namespace {

// Another process holding the lock, as a first copy of the program does.
class FirstCopy {
public:
    explicit FirstCopy(const QString& lockPath) {
        process.start(GRAHAVANI_LOCK_HOLDER, {lockPath});
        process.waitForReadyRead(30000);
        holding = process.readAllStandardOutput().startsWith("locked");
    }
    ~FirstCopy() {
        process.kill();
        process.waitForFinished();
    }
    QProcess process;
    bool holding = false;
};

class SingleInstanceTest : public ::testing::Test {
protected:
    QTemporaryDir runtime;
    const QString lockPath = runtime.filePath("grahavani.lock");
};

TEST_F(SingleInstanceTest, SecondCopyIsRefusedWhileTheFirstRunsAndAdmittedAfter) {
    {
        FirstCopy first(lockPath);
        ASSERT_TRUE(first.holding);
        EXPECT_FALSE(SingleInstanceLock(lockPath).Acquire());
        first.process.closeWriteChannel();  // the first copy ends normally
        ASSERT_TRUE(first.process.waitForFinished());
        EXPECT_EQ(first.process.exitCode(), 0);
    }
    EXPECT_TRUE(SingleInstanceLock(lockPath).Acquire());
}

TEST_F(SingleInstanceTest, LockOfAKilledCopyIsRecovered) {
    {
        FirstCopy first(lockPath);
        ASSERT_TRUE(first.holding);
        first.process.kill();
        ASSERT_TRUE(first.process.waitForFinished());
    }
    ASSERT_TRUE(QFile::exists(lockPath)) << "a killed copy leaves its lock behind";
    SingleInstanceLock next(lockPath);
    EXPECT_TRUE(next.Acquire());
    // The recovered lock is held again, so a third copy is refused.
    EXPECT_FALSE(SingleInstanceLock(lockPath).Acquire());
}

TEST_F(SingleInstanceTest, LockInTheUsersRuntimeFolder) {
    EXPECT_EQ(SingleInstanceLock::DefaultLockPath(),
              qEnvironmentVariable("XDG_RUNTIME_DIR") + "/grahavani.lock");
}

}  // namespace
}  // namespace grahavani::test
