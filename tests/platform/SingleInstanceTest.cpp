#include "SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

using Claim = SingleInstance::Claim;

class SingleInstanceTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override
    {
        if (holder.state() != QProcess::NotRunning) {
            holder.kill();
            holder.waitForFinished();
        }
    }

    // Starts the helper process on `path` and waits until it holds the directory.
    void startHolder(const QString& path)
    {
        holder.start(QStringLiteral(SINGLE_INSTANCE_HOLDER), {path});
        ASSERT_TRUE(holder.waitForStarted());
        ASSERT_EQ(holderLine(), "claimed");
    }
    QByteArray holderLine(int timeoutMs = 5000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!holder.canReadLine() && timer.elapsed() < timeoutMs)
            holder.waitForReadyRead(100);
        return holder.readLine().trimmed();
    }

    QTemporaryDir dir;
    QProcess holder;
};

TEST_F(SingleInstanceTest, TheFirstStartHoldsTheDirectoryWithALockFileInIt)
{
    SingleInstance first(dir.path());
    EXPECT_EQ(first.claim(), Claim::Claimed);
    EXPECT_EQ(first.lockFilePath(), dir.filePath(u".mirevo.lock"_s));
    EXPECT_TRUE(QFileInfo::exists(first.lockFilePath()));
}

TEST_F(SingleInstanceTest, ASecondStartWakesTheFirstAndPassesItsActivationToken)
{
    SingleInstance first(dir.path());
    ASSERT_EQ(first.claim(), Claim::Claimed);
    QSignalSpy activations(&first, &SingleInstance::activationRequested);

    SingleInstance second(dir.path());
    EXPECT_EQ(second.claim(u"token-42"_s), Claim::Activated);
    ASSERT_TRUE(activations.wait(5000));
    EXPECT_EQ(activations.takeFirst().at(0).toString(), u"token-42"_s);

    SingleInstance third(dir.path() + u"/."_s);
    EXPECT_EQ(third.claim(), Claim::Activated) << "the same directory by another path is the same";
    ASSERT_TRUE(activations.wait(5000));
    EXPECT_EQ(activations.takeFirst().at(0).toString(), QString());
}

TEST_F(SingleInstanceTest, AnotherDirectoryIsHeldOnItsOwn)
{
    QTemporaryDir other;
    SingleInstance first(dir.path());
    SingleInstance second(other.path());
    EXPECT_EQ(first.claim(), Claim::Claimed);
    EXPECT_EQ(second.claim(), Claim::Claimed);
    EXPECT_NE(first.serverName(), second.serverName());
}

TEST_F(SingleInstanceTest, TheDirectoryIsFreeAgainWhenTheHolderEnds)
{
    {
        SingleInstance first(dir.path());
        ASSERT_EQ(first.claim(), Claim::Claimed);
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u".mirevo.lock"_s)));
    SingleInstance next(dir.path());
    EXPECT_EQ(next.claim(), Claim::Claimed);
}

TEST_F(SingleInstanceTest, AnotherProcessIsWokenAndItsLockIsTakenOverOnceItWasKilled)
{
    startHolder(dir.path());
    {
        SingleInstance second(dir.path());
        EXPECT_EQ(second.claim(u"from-the-test"_s), Claim::Activated);
        EXPECT_EQ(holderLine(), "activated from-the-test");
    }

    // A crash leaves the lock file and the socket behind.
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished());
    ASSERT_TRUE(QFileInfo::exists(dir.filePath(u".mirevo.lock"_s)));

    QElapsedTimer timer;
    timer.start();
    SingleInstance next(dir.path());
    EXPECT_EQ(next.claim(), Claim::Claimed);
    EXPECT_LT(timer.elapsed(), 2000) << "a dead holder's lock is taken over at once";

    // The new holder listens where the dead one did.
    QSignalSpy activations(&next, &SingleInstance::activationRequested);
    SingleInstance later(dir.path());
    EXPECT_EQ(later.claim(), Claim::Activated);
    EXPECT_TRUE(activations.wait(5000));
}

TEST_F(SingleInstanceTest, ALockHeldFromAnotherComputerIsReportedWithoutHanging)
{
    // What a program on another computer sharing the directory leaves: its process id means
    // nothing here, so the lock is never stale from this side.
    const QString lockFile = dir.filePath(u".mirevo.lock"_s);
    QFile file(lockFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray content = "4242\nMirevo\nanother-computer.example\n";
    ASSERT_EQ(file.write(content), content.size());
    file.close();

    QElapsedTimer timer;
    timer.start();
    SingleInstance second(dir.path());
    EXPECT_EQ(second.claim({}, 500), Claim::Unanswered);
    EXPECT_LT(timer.elapsed(), 3000);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), content) << "another computer's lock is left alone";
}

} // namespace
} // namespace mirevo
