#include "RangeLock.h"

#include "HandWrittenTable.h"
#include "RecordDatabase.h"
#include "RecordDbError.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace mirevo {
namespace {

#ifndef Q_OS_WIN

// Record locks are held per process, so the other party of each test is a child process.
class RangeLockTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_path = m_dir.filePath(QStringLiteral("locked.ini"));
        ASSERT_TRUE(test::writeFile(m_path, test::handWrittenSettings().bytes()));
    }

    // Whether a child process manages to lock the range.
    bool childLocks(qint64 offset, qint64 length, LockKind kind) const
    {
        const pid_t child = fork();
        if (child == 0) {
            QFile file(m_path);
            const bool locked =
                file.open(QIODevice::ReadWrite) && lockRange(file.handle(), offset, length, kind);
            _exit(locked ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    QTemporaryDir m_dir;
    QString m_path;
};

TEST_F(RangeLockTest, ExclusiveLockKeepsOtherProcessesOutUntilUnlocked)
{
    QFile file(m_path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lockRange(file.handle(), 548, 26, LockKind::Exclusive));
    EXPECT_FALSE(childLocks(548, 26, LockKind::Shared));
    EXPECT_FALSE(childLocks(560, 100, LockKind::Exclusive));
    EXPECT_TRUE(childLocks(0, 548, LockKind::Exclusive));
    ASSERT_TRUE(unlockRange(file.handle(), 548, 26));
    EXPECT_TRUE(childLocks(548, 26, LockKind::Exclusive));
}

TEST_F(RangeLockTest, SharedLocksCoexist)
{
    QFile file(m_path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ASSERT_TRUE(lockRange(file.handle(), 548, 26, LockKind::Shared));
    EXPECT_TRUE(childLocks(548, 26, LockKind::Shared));
    EXPECT_FALSE(childLocks(548, 26, LockKind::Exclusive));
}

TEST_F(RangeLockTest, InvalidHandleOrRangeFailsAtOnce)
{
    EXPECT_FALSE(lockRange(-1, 0, 10, LockKind::Shared));
    QFile file(m_path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(lockRange(file.handle(), 0, 0, LockKind::Shared));
    EXPECT_FALSE(lockRange(file.handle(), -5, 10, LockKind::Shared));
    // an exclusive lock needs a file opened for writing
    EXPECT_FALSE(lockRange(file.handle(), 0, 10, LockKind::Exclusive));
}

TEST_F(RangeLockTest, FieldAccessFailsWhileAnotherProcessHoldsTheRecord)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        QFile file(m_path);
        const bool locked =
            file.open(QIODevice::ReadWrite) && lockRange(file.handle(), 548, 26, LockKind::Exclusive);
        const char signal = locked ? '1' : '0';
        (void)!write(ready[1], &signal, 1);
        pause();
        _exit(0);
    }
    char signal = 0;
    ASSERT_EQ(read(ready[0], &signal, 1), 1);
    ASSERT_EQ(signal, '1');
    RecordDatabase tables;
    OpenOptions options;
    options.password = QStringLiteral("QQ100200300");
    ASSERT_EQ(tables.open(m_path, options), NoError);
    EXPECT_EQ(tables.readField(3).code, ErrorLockFailed);
    EXPECT_EQ(tables.writeField(3, qint32(1)), ErrorLockFailed);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(tables.readField(3).code, NoError);
    close(ready[0]);
    close(ready[1]);
}

#endif

} // namespace
} // namespace mirevo
