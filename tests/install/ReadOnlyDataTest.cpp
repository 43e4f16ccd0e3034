#include "Button.h"
#include "ComboBox.h"
#include "ExamTestSupport.h"
#include "FakeServices.h"
#include "Label.h"
#include "MainWindow.h"
#include "ProgramSession.h"
#include "ProgramTestSupport.h"
#include "SettingsFile.h"
#include "SingleInstance.h"
#include "TempProgramDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace mirevo::test {
namespace {

constexpr QFileDevice::Permissions readable =
    QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions writable = QFileDevice::WriteOwner | QFileDevice::WriteUser;
constexpr QFileDevice::Permissions enterable =
    QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther;

// A portable program directory (bank, settings file) that takes no writes in part or whole, as a
// read-only medium or read-only files do; the program runs on it as an ordinary user, since root
// ignores permission bits.
class ReadOnlyDataTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(::geteuid(), 0u) << "root ignores permission bits: ctest runs this as a user (as-user.sh)";
        ASSERT_TRUE(dir.isValid()) << dir.error().toStdString();
        ASSERT_TRUE(dir.insertQuestions(
            u"swzj"_s, {TempProgramDir::question(1, u"1"_s), TempProgramDir::question(2, u"1"_s)}));
        QList<BankQuestion> paper;
        for (int k = 1; k <= 61; ++k)
            paper << TempProgramDir::question(k, {}, questionType(k), standardAnswer(k));
        ASSERT_TRUE(dir.insertQuestions(u"sw1"_s, paper)) << dir.error().toStdString();
        ASSERT_EQ(createDefaultSettingsFile(dir.filePath(u"配置文件.ini"_s)), 0);
    }
    void TearDown() override
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<Window*>(widget); window && window != main())
                window->closeWindow();
        }
        settle();
        session.reset();
        settle();
        // The temporary directory is removed with its files.
        QFile::setPermissions(dir.path(), readable | writable | enterable);
        for (const QString& name : {u"mini.dll"_s, u"配置文件.ini"_s})
            QFile::setPermissions(dir.filePath(name), readable | writable);
    }

    void makeReadOnly(bool directory, bool files)
    {
        if (files) {
            for (const QString& name : {u"mini.dll"_s, u"配置文件.ini"_s})
                ASSERT_TRUE(QFile::setPermissions(dir.filePath(name), readable));
        }
        if (directory) {
            ASSERT_TRUE(QFile::setPermissions(dir.path(), readable | enterable));
        }
        before = dataFiles(dir.path());
    }
    void start()
    {
        session = std::make_unique<ProgramSession>(fakes.services());
        ASSERT_TRUE(session->start(dir.path()));
        ASSERT_NE(main(), nullptr);
    }
    Window* main() const
    {
        return session && session->mainWindow() ? session->mainWindow()->window() : nullptr;
    }
    // The messages shown since the last call.
    QStringList newMessages()
    {
        const QStringList texts = fakes.messageBox.texts().mid(m_seen);
        m_seen = int(fakes.messageBox.shown.size());
        return texts;
    }
    QString native(const QString& name) const { return QDir::toNativeSeparators(dir.filePath(name)); }

    TempProgramDir dir;
    FakeServices fakes;
    std::unique_ptr<ProgramSession> session;
    QMap<QString, QByteArray> before;

private:
    int m_seen = 0;
};

TEST_F(ReadOnlyDataTest, AReadOnlyMediumIsNamedOnceAtStartAndTheProgramRunsOnIt)
{
    makeReadOnly(true, true);
    start();
    const QStringList notice = newMessages();
    ASSERT_EQ(notice.size(), 1) << notice.join(u'\n').toStdString();
    EXPECT_TRUE(notice[0].contains(u"数据文件夹 "_s + QDir::toNativeSeparators(dir.path()) + u" 是只读的"_s))
        << notice[0].toStdString();
    EXPECT_TRUE(notice[0].contains(u"配置文件 "_s + native(u"配置文件.ini"_s) + u" 是只读的"_s));
    EXPECT_EQ(fakes.messageBox.shown[0].style, StyleOk | StyleIconWarning);

    // The start-up went through: subject, settings and grids as on a writable directory.
    EXPECT_EQ(main()->control<Label>(u"标签_当前科目"_s)->caption(), u"当前科目:初级会计实务"_s);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u".mirevo.lock"_s)));
    SingleInstance second(dir.path());
    EXPECT_EQ(second.claim(), SingleInstance::Claim::Activated) << "held from the temporary directory";
    EXPECT_EQ(dataFiles(dir.path()), before);
}

TEST_F(ReadOnlyDataTest, PracticeOnAReadOnlyMediumSaysThatAnswersAndMarksAreNotSaved)
{
    makeReadOnly(true, true);
    start();
    newMessages();
    Window* practice = openFirstChapter(main());
    ASSERT_NE(practice, nullptr);
    EXPECT_EQ(answerShownQuestion(practice), u"A"_s);
    EXPECT_EQ(newMessages(), QStringList{u"题库文件是只读的，本题答案未保存。"_s});
    click(practice, u"按钮_收藏本题"_s);
    EXPECT_EQ(newMessages(), QStringList{u"题库文件是只读的，收藏未保存。"_s});
    EXPECT_EQ(practice->control<Button>(u"按钮_收藏本题"_s)->caption(), u"收藏本题"_s);
    click(practice, u"按钮_下一题"_s);
    EXPECT_EQ(practice->control<Label>(u"标签_通用号"_s)->caption(), u"2"_s) << "practice goes on";
    EXPECT_EQ(dataFiles(dir.path()), before);
}

TEST_F(ReadOnlyDataTest, SettingsClearingAndScoresOnAReadOnlyMediumSayTheFileIsReadOnly)
{
    // A favourite from before the medium became read-only, for the clearing to fail on.
    ASSERT_TRUE(dir.execute(u"update swzj set shucang='YES' where ID=1"_s));
    makeReadOnly(true, true);
    start();
    newMessages();

    click(main(), u"超级按钮_系统设置"_s);
    Window* settings = otherWindow(main());
    ASSERT_NE(settings, nullptr);
    click(settings, u"按钮_保存"_s);
    EXPECT_EQ(newMessages(), QStringList{u"配置文件是只读的，设置未保存。"_s});
    QTest::mouseClick(settings->control<QWidget>(u"标签_恢复默认"_s), Qt::LeftButton);
    EXPECT_EQ(newMessages(), QStringList{u"配置文件是只读的，设置未保存。"_s});
    settings->closeWindow();
    settle();

    click(main(), u"超级按钮_清除记录"_s);
    Window* clearing = otherWindow(main());
    ASSERT_NE(clearing, nullptr);
    QWidget* box = clearing->control<QWidget>(u"选择框_错题收藏记录"_s);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, box->height() / 2));
    fakes.messageBox.answers = {ButtonYes};
    click(clearing, u"按钮_确定"_s);
    const QStringList clearingMessages = newMessages();
    ASSERT_EQ(clearingMessages.size(), 2);
    EXPECT_EQ(clearingMessages[1], u"题库文件是只读的，记录未能清除。"_s);
    clearing->closeWindow();
    settle();

    click(main(), u"超级按钮_模拟"_s);
    click(main(), u"超级按钮_模拟考场"_s);
    Window* login = otherWindow(main());
    ASSERT_NE(login, nullptr);
    click(login, u"按钮_登录"_s);
    Window* exam = otherWindow(main());
    ASSERT_NE(exam, nullptr);
    ASSERT_NE(exam, login);
    auto* fonts = exam->control<ComboBox>(u"组合框_字体设置"_s);
    fonts->setFocus();
    QTest::keyClick(fonts, Qt::Key_Up);
    EXPECT_EQ(newMessages(), QStringList{u"配置文件是只读的，字体设置未保存。"_s});
    fakes.messageBox.answers = {ButtonYes};
    click(exam, u"按钮_交卷"_s);
    const QStringList handIn = newMessages();
    ASSERT_FALSE(handIn.isEmpty());
    EXPECT_EQ(handIn.last(), u"题库文件是只读的，本次得分未保存。"_s);
    EXPECT_EQ(dataFiles(dir.path()), before);
}

TEST_F(ReadOnlyDataTest, ReadOnlyFilesInAWritableDirectoryAreNamedOneByOne)
{
    makeReadOnly(false, true);
    start();
    const QStringList notice = newMessages();
    ASSERT_EQ(notice.size(), 1);
    EXPECT_TRUE(notice[0].contains(u"题库文件 "_s + native(u"mini.dll"_s) + u" 是只读的"_s))
        << notice[0].toStdString();
    EXPECT_TRUE(notice[0].contains(u"配置文件 "_s + native(u"配置文件.ini"_s) + u" 是只读的"_s));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(u".mirevo.lock"_s))) << "the directory still takes the lock";

    Window* practice = openFirstChapter(main());
    ASSERT_NE(practice, nullptr);
    answerShownQuestion(practice);
    EXPECT_EQ(newMessages(), QStringList{u"题库文件是只读的，本题答案未保存。"_s});
    EXPECT_EQ(bankFileValue(dir.bankPath(), u"select count(*) from swzj where XXDA<>''"_s).toInt(), 0);
}

TEST_F(ReadOnlyDataTest, AReadOnlyDirectoryStopsTheBankButTheSettingsFileIsStillWritten)
{
    makeReadOnly(true, false);
    start();
    const QStringList notice = newMessages();
    ASSERT_EQ(notice.size(), 1);
    EXPECT_TRUE(notice[0].contains(u"答案、收藏和考试得分无法保存"_s)) << notice[0].toStdString();
    EXPECT_FALSE(notice[0].contains(u"配置文件"_s)) << "the settings file is written in place";

    click(main(), u"超级按钮_系统设置"_s);
    Window* settings = otherWindow(main());
    ASSERT_NE(settings, nullptr);
    click(settings, u"选择框_软件有更新时提示我"_s);
    click(settings, u"按钮_保存"_s);
    EXPECT_EQ(newMessages(), QStringList{u"你的设置保存成功！"_s});
    EXPECT_NE(dataFiles(dir.path()).value(u"配置文件.ini"_s), before.value(u"配置文件.ini"_s));
    settings->closeWindow();
    settle();

    Window* practice = openFirstChapter(main());
    ASSERT_NE(practice, nullptr);
    answerShownQuestion(practice);
    EXPECT_EQ(newMessages(), QStringList{u"题库文件是只读的，本题答案未保存。"_s});
    EXPECT_EQ(dataFiles(dir.path()).value(u"mini.dll"_s), before.value(u"mini.dll"_s));
}

} // namespace
} // namespace mirevo::test
