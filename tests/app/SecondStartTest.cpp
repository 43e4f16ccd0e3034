#include "ProgramSessionFixture.h"

#include <QFileInfo>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace mirevo::test {
namespace {

// The real program started as a second process on a data directory, beside a session of this
// process or after one of its own was killed.
class SecondStartTest : public ProgramSessionFixture
{
protected:
    void TearDown() override
    {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
        }
        ProgramSessionFixture::TearDown();
    }

    void startProgram(const QString& dataDirectory)
    {
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(MIREVO_EXECUTABLE), {u"--data-dir"_s, dataDirectory});
        ASSERT_TRUE(program.waitForStarted());
    }
    // Waits for the program to end while this process keeps answering.
    bool programEnds(int timeoutMs = 15000)
    {
        return waitUntil([this] { return program.state() == QProcess::NotRunning; }, timeoutMs);
    }
    // The program has made its files and opened its main window, which writes the guide page.
    bool programRuns(const QString& dataDirectory)
    {
        return waitUntil([&] {
            return program.state() == QProcess::Running &&
                   QFileInfo::exists(dataDirectory + u"/BaoDian.html"_s);
        });
    }

    QProcess program;
};

TEST_F(SecondStartTest, ASecondStartBringsTheRunningWindowToTheFrontAndEndsWithoutTouchingTheFiles)
{
    const QString data = root.filePath(u"data"_s);
    ASSERT_TRUE(start(bin(), data));
    click(mainWindow(), u"超级按钮_最小化"_s);
    ASSERT_TRUE(waitUntil([this] { return mainWindow()->isMinimized(); }));
    const auto files = treeDigest(data);

    startProgram(data);
    ASSERT_TRUE(programEnds()) << "the second start must not open a second window";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(waitUntil([this] { return !mainWindow()->isMinimized() && mainWindow()->isActiveWindow(); }));
    EXPECT_EQ(treeDigest(data), files);
    EXPECT_TRUE(fakes.messageBox.shown.isEmpty());
}

TEST_F(SecondStartTest, AStartOnAnotherDataDirectoryRunsNormally)
{
    ASSERT_TRUE(start(bin(), root.filePath(u"first"_s)));
    const QString other = root.filePath(u"second"_s);
    startProgram(other);
    ASSERT_TRUE(programRuns(other));
    EXPECT_TRUE(QFileInfo::exists(other + u"/mini.dll"_s));
    EXPECT_TRUE(QFileInfo::exists(other + u"/.mirevo.lock"_s));
    EXPECT_FALSE(mainWindow()->isMinimized());
}

TEST_F(SecondStartTest, TheLockOfAKilledProgramDoesNotBlockTheNextStart)
{
    const QString data = root.filePath(u"data"_s);
    startProgram(data);
    ASSERT_TRUE(programRuns(data));
    program.kill();
    ASSERT_TRUE(program.waitForFinished());
    ASSERT_TRUE(QFileInfo::exists(data + u"/.mirevo.lock"_s)) << "a killed program leaves its lock";
    const QByteArray bank = treeDigest(data).value(u"mini.dll"_s);

    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(start(bin(), data));
    EXPECT_LT(timer.elapsed(), 3000);
    ASSERT_NE(mainWindow(), nullptr);
    EXPECT_TRUE(mainWindow()->isVisible());
    EXPECT_EQ(treeDigest(data).value(u"mini.dll"_s), bank);
    EXPECT_TRUE(fakes.messageBox.shown.isEmpty()) << fakes.messageBox.texts().join(u'\n').toStdString();
}

} // namespace
} // namespace mirevo::test
