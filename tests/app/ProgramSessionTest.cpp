#include "Label.h"
#include "ProgramSessionFixture.h"
#include "SingleInstance.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace mirevo::test {
namespace {

using ProgramSessionTest = ProgramSessionFixture;

TEST_F(ProgramSessionTest, AnInstalledFirstStartCopiesTheShippedFilesAndWorksOnTheCopies)
{
    const auto installed = treeDigest(prefix());
    ASSERT_TRUE(start(bin()));
    EXPECT_EQ(session->dataDirectory(), userDirectory());
    for (const QString& name : {u"mini.dll"_s, u"配置文件.ini"_s})
        EXPECT_EQ(treeDigest(userDirectory()).value(name), installed.value(u"share/mirevo/"_s + name))
            << name.toStdString() << " is a copy of the shipped file";
    EXPECT_TRUE(QFileInfo::exists(userDirectory() + u"/BaoDian.html"_s))
        << "the guide page is the user's too";
    EXPECT_EQ(mainWindow()->control<Label>(u"标签_当前科目"_s)->caption(), u"当前科目:初级会计实务"_s);
    EXPECT_TRUE(fakes.messageBox.texts().isEmpty()) << fakes.messageBox.texts().join(u'\n').toStdString();

    Window* practice = openFirstChapter(mainWindow());
    ASSERT_NE(practice, nullptr);
    const QString answer = answerShownQuestion(practice);
    ASSERT_EQ(answer, u"A"_s);
    EXPECT_EQ(storedAnswers(userDirectory() + u"/mini.dll"_s, answer), 1);
    EXPECT_EQ(storedAnswers(shipped(u"mini.dll"_s), answer), 0);
    EXPECT_EQ(treeDigest(prefix()), installed) << "nothing is written into the installation";
}

TEST_F(ProgramSessionTest, ALaterStartKeepsTheUsersRecordsAndCopiesNothing)
{
    ASSERT_TRUE(start(bin()));
    Window* practice = openFirstChapter(mainWindow());
    ASSERT_NE(practice, nullptr);
    const QString answer = answerShownQuestion(practice);
    stop();
    const auto before = dataFiles(userDirectory());
    ASSERT_EQ(before.size(), 3) << "the bank, the settings file and the guide page";
    EXPECT_TRUE(QFileInfo::exists(userDirectory() + u"/学习记录.db"_s));

    ASSERT_TRUE(start(bin()));
    EXPECT_EQ(dataFiles(userDirectory()), before);
    EXPECT_EQ(storedAnswers(userDirectory() + u"/mini.dll"_s, answer), 1);
}

TEST_F(ProgramSessionTest, AMissingUserSettingsFileIsCopiedAgainAndTheBankKept)
{
    ASSERT_TRUE(start(bin()));
    answerShownQuestion(openFirstChapter(mainWindow()));
    stop();
    ASSERT_TRUE(QFile::remove(userDirectory() + u"/配置文件.ini"_s));
    const QByteArray userBank = treeDigest(userDirectory()).value(u"mini.dll"_s);

    ASSERT_TRUE(start(bin()));
    EXPECT_EQ(treeDigest(userDirectory()).value(u"配置文件.ini"_s),
              treeDigest(prefix()).value(u"share/mirevo/配置文件.ini"_s));
    EXPECT_EQ(treeDigest(userDirectory()).value(u"mini.dll"_s), userBank);
}

TEST_F(ProgramSessionTest, AnExecutableBesideABankRunsOnTheFilesBesideIt)
{
    ASSERT_TRUE(start(bank.path()));
    EXPECT_EQ(session->dataDirectory(), QDir::cleanPath(bank.path()));
    EXPECT_TRUE(QFileInfo::exists(bank.filePath(u"配置文件.ini"_s))) << "made anew with the defaults";
    EXPECT_TRUE(QFileInfo::exists(bank.filePath(u"BaoDian.html"_s)));
    EXPECT_FALSE(QFileInfo::exists(root.filePath(u"home"_s))) << "a portable start leaves the home alone";

    answerShownQuestion(openFirstChapter(mainWindow()));
    EXPECT_EQ(storedAnswers(bank.bankPath(), u"A"_s), 1);
}

TEST_F(ProgramSessionTest, ADirectoryGivenOnTheCommandLineIsMadeFromTheShippedFiles)
{
    const QString chosen = root.filePath(u"records/2027"_s);
    ASSERT_TRUE(start(bin(), chosen));
    EXPECT_EQ(session->dataDirectory(), chosen);
    EXPECT_EQ(treeDigest(chosen).value(u"mini.dll"_s),
              treeDigest(prefix()).value(u"share/mirevo/mini.dll"_s));
    EXPECT_FALSE(QFileInfo::exists(userDirectory()));
    answerShownQuestion(openFirstChapter(mainWindow()));
    EXPECT_EQ(storedAnswers(chosen + u"/mini.dll"_s, u"A"_s), 1);
}

TEST_F(ProgramSessionTest, ADataDirectoryThatCannotBeUsedIsReportedAndTheProgramEnds)
{
    const QString file = root.filePath(u"not-a-folder"_s);
    QFile blocker(file);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    EXPECT_FALSE(start(bin(), file));
    EXPECT_EQ(session->exitCode(), 1);
    EXPECT_EQ(session->mainWindow(), nullptr);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1);
    EXPECT_TRUE(fakes.messageBox.shown[0].text.contains(file))
        << fakes.messageBox.shown[0].text.toStdString();
    EXPECT_EQ(fakes.messageBox.shown[0].style, StyleOk | StyleIconError);
}

TEST_F(ProgramSessionTest, AnInstallationWithoutItsBankIsReportedAndTheProgramEnds)
{
    ASSERT_TRUE(QFile::remove(shipped(u"mini.dll"_s)));
    EXPECT_FALSE(start(bin()));
    EXPECT_EQ(session->exitCode(), 1);
    EXPECT_EQ(session->mainWindow(), nullptr);
    ASSERT_EQ(fakes.messageBox.texts().size(), 1);
    EXPECT_TRUE(fakes.messageBox.texts()[0].contains(u"重新安装"_s));
}

TEST_F(ProgramSessionTest, ADirectoryHeldByAProgramThatDoesNotAnswerIsReportedWithItsLockFile)
{
    const QString chosen = root.filePath(u"shared"_s);
    ASSERT_TRUE(QDir().mkpath(chosen));
    QFile lock(chosen + u"/.mirevo.lock"_s);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("4242\nMirevo\nanother-computer.example\n");
    lock.close();

    EXPECT_FALSE(start(bin(), chosen));
    EXPECT_EQ(session->exitCode(), 1);
    ASSERT_EQ(fakes.messageBox.texts().size(), 1);
    EXPECT_TRUE(fakes.messageBox.texts()[0].contains(QDir::toNativeSeparators(lock.fileName())))
        << fakes.messageBox.texts()[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(chosen + u"/mini.dll"_s)) << "nothing is copied into a directory in use";
}

TEST_F(ProgramSessionTest, AWakeUpRestoresTheMinimizedMainWindowAndMakesItActive)
{
    ASSERT_TRUE(start(bin()));
    click(mainWindow(), u"超级按钮_最小化"_s);
    ASSERT_TRUE(waitUntil([this] { return mainWindow()->isMinimized(); }));

    SingleInstance second(session->dataDirectory());
    ASSERT_EQ(second.claim(), SingleInstance::Claim::Activated);
    EXPECT_TRUE(waitUntil([this] { return !mainWindow()->isMinimized() && mainWindow()->isActiveWindow(); }));
}

TEST_F(ProgramSessionTest, AWakeUpDuringPracticeBringsThePracticeWindowAndLeavesTheMainWindowHidden)
{
    ASSERT_TRUE(start(bin()));
    Window* practice = openFirstChapter(mainWindow());
    ASSERT_NE(practice, nullptr);
    ASSERT_FALSE(mainWindow()->isVisible());
    practice->setWindowState(practice->windowState() | Qt::WindowMinimized);
    ASSERT_TRUE(waitUntil([practice] { return practice->isMinimized(); }));

    SingleInstance second(session->dataDirectory());
    ASSERT_EQ(second.claim(), SingleInstance::Claim::Activated);
    EXPECT_TRUE(waitUntil([practice] { return !practice->isMinimized() && practice->isActiveWindow(); }));
    EXPECT_FALSE(mainWindow()->isVisible());
}

} // namespace
} // namespace mirevo::test
