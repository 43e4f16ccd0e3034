#include "FakeServices.h"
#include "MainWindow.h"
#include "PlatformConfig.h"
#include "ProgramNames.h"
#include "ProgramSession.h"
#include "ProgramTestSupport.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace mirevo::test {
namespace {

// The program installed under MIREVO_TEST_PREFIX (by cmake --install or from the Debian
// package), started by an ordinary user whose HOME is new: in this process through the start-up
// the executable runs, and as the installed executable itself.
class InstalledProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(::geteuid(), 0u) << "run as a user: ctest runs this through install-test.sh";
        prefix = qEnvironmentVariable("MIREVO_TEST_PREFIX");
        ASSERT_FALSE(prefix.isEmpty())
            << "MIREVO_TEST_PREFIX names the installation (install-test.sh sets it)";
        ASSERT_TRUE(QFileInfo(prefix + u"/bin/mirevo"_s).isExecutable());
        nameProgram();
        userDirectory = QDir::homePath() + u"/.local/share/Mirevo"_s;
        ASSERT_EQ(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), userDirectory);
        // Each test is a first start.
        ASSERT_TRUE(QDir(userDirectory).removeRecursively());
        installed = treeDigest(prefix);
    }
    void TearDown() override
    {
        stop();
        for (QProcess* program : {&first, &second}) {
            if (program->state() != QProcess::NotRunning) {
                program->kill();
                program->waitForFinished();
            }
        }
        EXPECT_EQ(treeDigest(prefix), installed) << "the installation is never written";
    }

    QString executable() const { return prefix + u"/bin/mirevo"_s; }
    QString shipped(const QString& name) const { return prefix + u"/share/mirevo/"_s + name; }
    QString userFile(const QString& name) const { return userDirectory + u'/' + name; }

    void start()
    {
        session = std::make_unique<ProgramSession>(fakes.services());
        ASSERT_TRUE(session->start(prefix + u"/bin"_s));
        ASSERT_NE(session->mainWindow(), nullptr);
    }
    void stop()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<Window*>(widget);
            if (window && session && window != session->mainWindow()->window())
                window->closeWindow();
        }
        settle();
        session.reset();
        settle();
    }
    Window* main() const { return session->mainWindow()->window(); }
    int storedAnswers(const QString& bank, const QString& answer) const
    {
        return bankFileValue(bank, u"select count(*) from swzj where XXDA='%1'"_s.arg(answer)).toInt();
    }
    // The process that holds the data directory, as its lock file names it.
    qint64 lockHolder() const
    {
        QFile lock(userFile(u".mirevo.lock"_s));
        return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : 0;
    }
    // The installed executable, started with no arguments as from the menu.
    static void run(QProcess& program)
    {
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(qEnvironmentVariable("MIREVO_TEST_PREFIX") + u"/bin/mirevo"_s, {});
        ASSERT_TRUE(program.waitForStarted());
    }

    QString prefix;
    QString userDirectory;
    QMap<QString, QByteArray> installed;
    FakeServices fakes;
    std::unique_ptr<ProgramSession> session;
    QProcess first;
    QProcess second;
};

TEST_F(InstalledProgramTest, TheFirstStartCopiesTheShippedFilesIntoTheUsersDataDirectory)
{
    start();
    EXPECT_EQ(session->dataDirectory(), userDirectory);
    for (const QString& name : {u"mini.dll"_s, u"配置文件.ini"_s})
        EXPECT_EQ(dataFiles(userDirectory).value(name), installed.value(u"share/mirevo/"_s + name))
            << name.toStdString();
    EXPECT_TRUE(QFileInfo::exists(userFile(u"BaoDian.html"_s)));
    EXPECT_TRUE(fakes.messageBox.texts().isEmpty()) << fakes.messageBox.texts().join(u'\n').toStdString();
}

TEST_F(InstalledProgramTest, AnAnswerInThePracticeWindowLandsInTheUsersBank)
{
    start();
    const int shippedBefore = storedAnswers(shipped(u"mini.dll"_s), u"A"_s);
    Window* practice = openFirstChapter(main());
    ASSERT_NE(practice, nullptr);
    const QString answer = answerShownQuestion(practice);
    ASSERT_FALSE(answer.isEmpty()) << "the first question of chapter 1 has a known type";
    EXPECT_EQ(storedAnswers(userFile(u"mini.dll"_s), answer),
              storedAnswers(shipped(u"mini.dll"_s), answer) + 1);
    EXPECT_EQ(storedAnswers(shipped(u"mini.dll"_s), u"A"_s), shippedBefore);
    EXPECT_TRUE(fakes.messageBox.texts().isEmpty()) << fakes.messageBox.texts().join(u'\n').toStdString();
}

TEST_F(InstalledProgramTest, ASecondStartLeavesTheUsersFilesAlone)
{
    start();
    const QString answer = answerShownQuestion(openFirstChapter(main()));
    stop();
    const auto files = dataFiles(userDirectory);

    start();
    EXPECT_EQ(dataFiles(userDirectory), files);
    EXPECT_EQ(storedAnswers(userFile(u"mini.dll"_s), answer),
              storedAnswers(shipped(u"mini.dll"_s), answer) + 1);
}

TEST_F(InstalledProgramTest, TheInstalledExecutableRunsOnceForTheUserAndASecondStartEnds)
{
    run(first);
    ASSERT_TRUE(waitUntil([this] {
        return first.state() == QProcess::Running && QFileInfo::exists(userFile(u"BaoDian.html"_s));
    })) << "the installed program starts on the user's copies";
    EXPECT_EQ(lockHolder(), first.processId());
    const auto files = dataFiles(userDirectory);

    run(second);
    ASSERT_TRUE(second.waitForFinished(15000)) << "a second start must not stay";
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(dataFiles(userDirectory), files);

    // After a crash the next start takes the lock over and runs on the same files.
    const auto kept = dataFiles(userDirectory);
    first.kill();
    ASSERT_TRUE(first.waitForFinished());
    run(second);
    EXPECT_TRUE(waitUntil([this] { return lockHolder() == second.processId(); }))
        << "the killed program's lock does not block";
    EXPECT_EQ(second.state(), QProcess::Running);
    EXPECT_EQ(dataFiles(userDirectory), kept);
}

TEST_F(InstalledProgramTest, TheInstalledExecutableTellsItsVersion)
{
    QProcess program;
    program.start(executable(), {u"--version"_s});
    ASSERT_TRUE(program.waitForFinished(15000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(program.readAllStandardOutput()), u"Mirevo "_s + programVersion() + u'\n');
}

} // namespace
} // namespace mirevo::test
