#include "MainWindow.h"

#include "BankLock.h"
#include "FakeServices.h"
#include "GbkPage.h"
#include "Grid.h"
#include "HtmlViewer.h"
#include "Label.h"
#include "PageControl.h"
#include "PictureButton.h"
#include "ProgramState.h"
#include "RecordDatabase.h"
#include "Settings.h"
#include "SettingsFile.h"
#include "TempProgramDir.h"
#include "Window.h"
#include "WindowTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

const QStringList accountingButtons = {u"超级按钮_会计实务"_s, u"超级按钮_会计实务1"_s,
                                       u"超级按钮_会计实务2"_s};
const QStringList lawButtons = {u"超级按钮_经济法基础"_s, u"超级按钮_经济法基础1"_s,
                                u"超级按钮_经济法基础2"_s};

class MainWindowTest : public ::testing::Test
{
protected:
    void start()
    {
        mainWindow = std::make_unique<MainWindow>(state, fakes.services(), dir.path());
        ASSERT_TRUE(mainWindow->open());
        window = mainWindow->window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    void TearDown() override
    {
        mainWindow.reset();
        test::settle();
    }

    template <class T> T* get(const QString& name) const { return window->control<T>(name); }
    void click(const QString& name) { QTest::mouseClick(get<QWidget>(name), Qt::LeftButton); }
    int currentPage() const { return get<PageControl>(u"高级选择夹1"_s)->currentPage(); }
    bool allEnabled(const QStringList& names) const
    {
        return std::all_of(names.begin(), names.end(),
                           [this](const QString& n) { return get<QWidget>(n)->isEnabled(); });
    }
    bool allDisabled(const QStringList& names) const
    {
        return std::none_of(names.begin(), names.end(),
                            [this](const QString& n) { return get<QWidget>(n)->isEnabled(); });
    }

    test::TempProgramDir dir;
    test::FakeServices fakes;
    ProgramState state;
    std::unique_ptr<MainWindow> mainWindow;
    QPointer<Window> window;
};

TEST_F(MainWindowTest, StartsCentredBorderlessWithSubjectOneCurrent)
{
    ASSERT_TRUE(dir.isValid()) << dir.error().toStdString();
    start();
    EXPECT_EQ(window->size(), QSize(900, 582));
    EXPECT_EQ(window->title(), u"会计初级职称"_s);
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->frameGeometry().center(),
              QGuiApplication::primaryScreen()->availableGeometry().center());
    EXPECT_EQ(currentPage(), 0);

    EXPECT_EQ(state.currentSubject, 1);
    EXPECT_EQ(state.questionBank->isOpen(), true);
    EXPECT_EQ(get<Label>(u"标签_当前科目"_s)->caption(), u"当前科目:初级会计实务"_s);
    EXPECT_TRUE(allDisabled(accountingButtons));
    EXPECT_TRUE(allEnabled(lawButtons));
    EXPECT_TRUE(fakes.messageBox.shown.isEmpty());
}

TEST_F(MainWindowTest, SubjectButtonOnOnePageSwitchesTheButtonsOfAllPagesAndKeepsThePage)
{
    start();
    click(u"超级按钮_章节"_s);
    click(u"超级按钮_经济法基础1"_s);
    EXPECT_EQ(state.currentSubject, 2);
    EXPECT_EQ(currentPage(), 2);
    EXPECT_EQ(get<Label>(u"标签_当前科目"_s)->caption(), u"当前科目:经济法基础"_s);
    EXPECT_TRUE(allDisabled(lawButtons));
    EXPECT_TRUE(allEnabled(accountingButtons));

    click(u"超级按钮_模拟"_s);
    click(u"超级按钮_会计实务2"_s);
    EXPECT_EQ(state.currentSubject, 1);
    EXPECT_TRUE(allDisabled(accountingButtons));
}

TEST_F(MainWindowTest, NavigationButtonsSwitchPagesAndSetTheirState)
{
    start();
    const QList<std::pair<QString, int>> buttons = {{u"超级按钮_备考宝典"_s, 1},
                                                    {u"超级按钮_章节"_s, 2},
                                                    {u"超级按钮_收藏"_s, 3},
                                                    {u"超级按钮_模拟"_s, 4},
                                                    {u"超级按钮_首页"_s, 0}};
    for (const auto& [name, page] : buttons) {
        click(name);
        EXPECT_EQ(currentPage(), page) << name.toStdString();
    }
    EXPECT_EQ(state.currentPaper, 1);
}

TEST_F(MainWindowTest, NavigationMakesRowOneCurrentAndTheGridShowsIt)
{
    start();
    click(u"超级按钮_章节"_s);
    auto* grid = get<Grid>(u"高级表格1"_s);
    EXPECT_EQ(grid->cursorRow(), 1);
    grid->setCurrentCell(4, 0);
    state.currentChapter = 5;
    click(u"超级按钮_首页"_s);
    click(u"超级按钮_章节"_s);
    EXPECT_EQ(state.currentChapter, 1);
    EXPECT_EQ(grid->cursorRow(), 1) << "the highlighted row is the one that opens";

    click(u"超级按钮_模拟"_s);
    auto* papers = get<Grid>(u"高级表格2"_s);
    papers->setCurrentCell(6, 0);
    state.currentPaper = 7;
    click(u"超级按钮_首页"_s);
    click(u"超级按钮_模拟"_s);
    EXPECT_EQ(state.currentPaper, 1);
    EXPECT_EQ(papers->cursorRow(), 1);
}

TEST_F(MainWindowTest, ASubjectSwitchKeepsThePaperRowSelected)
{
    start();
    click(u"超级按钮_模拟"_s);
    auto* papers = get<Grid>(u"高级表格2"_s);
    QTest::mouseClick(papers->viewport(), Qt::LeftButton, {},
                      papers->visualRect(papers->model()->index(4, 0)).center());
    ASSERT_EQ(papers->cursorRow(), 5);
    click(u"超级按钮_经济法基础2"_s);
    EXPECT_EQ(state.currentSubject, 2);
    EXPECT_EQ(papers->cursorRow(), 5) << "the same paper number of the other subject";
    EXPECT_EQ(state.currentPaper, 5);
}

TEST_F(MainWindowTest, GuideButtonReloadsTheGuidePageOnEveryPress)
{
    start();
    auto writeGuide = [&](const QString& text) {
        ASSERT_TRUE(test::writeGbkPage(dir.filePath(u"BaoDian.html"_s), text));
    };
    auto* viewer = get<HtmlViewer>(u"超文本浏览框1"_s);
    writeGuide(u"宝典1"_s);
    click(u"超级按钮_备考宝典"_s);
    EXPECT_TRUE(viewer->toPlainText().contains(u"宝典1"_s));
    writeGuide(u"宝典2"_s);
    click(u"超级按钮_备考宝典"_s);
    EXPECT_TRUE(viewer->toPlainText().contains(u"宝典2"_s));
}

TEST_F(MainWindowTest, EnteringWithoutAGridRowAsksForAChoice)
{
    start();
    click(u"超级按钮_章节"_s);
    get<Grid>(u"高级表格1"_s)->setCurrentCell(-1, -1);
    click(u"超级按钮_章节练习"_s);
    click(u"超级按钮_模拟"_s);
    get<Grid>(u"高级表格2"_s)->setCurrentCell(-1, -1);
    click(u"超级按钮_模拟考场"_s);
    ASSERT_EQ(fakes.messageBox.shown.size(), 2);
    for (const auto& shown : fakes.messageBox.shown) {
        EXPECT_EQ(shown.text, u"请选择"_s);
        EXPECT_EQ(shown.style, 0);
        EXPECT_EQ(shown.title, u"信息："_s);
    }
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, MissingBankSaysSoOnceAndLeavesTheDesignedState)
{
    ASSERT_TRUE(QFile::remove(dir.bankPath()));
    start();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1);
    EXPECT_EQ(fakes.messageBox.shown[0].text,
              u"无法打开题库文件："_s + QDir::toNativeSeparators(dir.bankPath()));
    EXPECT_EQ(fakes.messageBox.shown[0].style, 0);
    EXPECT_EQ(state.currentSubject, 0);
    EXPECT_EQ(get<Label>(u"标签_当前科目"_s)->caption(), u"当前科目:"_s);
    EXPECT_TRUE(allEnabled(accountingButtons));
    EXPECT_TRUE(allEnabled(lawButtons));
    EXPECT_EQ(get<Grid>(u"高级表格1"_s)->gridRowCount(), 10);

    click(u"超级按钮_模拟"_s);
    EXPECT_EQ(currentPage(), 4) << "navigation still works";
}

TEST_F(MainWindowTest, MissingSettingsFileIsMadeWithTheDefaults)
{
    start();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(u"配置文件.ini"_s)));
    EXPECT_TRUE(fakes.messageBox.shown.isEmpty());
    EXPECT_EQ(state.currentSubject, 1);
}

TEST_F(MainWindowTest, DamagedSettingsFileIsReportedAndNeverOverwritten)
{
    const QString path = dir.filePath(u"配置文件.ini"_s);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a settings table");
    }
    start();
    ASSERT_EQ(fakes.messageBox.texts(),
              QStringList{u"无法打开配置文件："_s + QDir::toNativeSeparators(path)});
    EXPECT_EQ(state.currentSubject, 0) << "start-up stops at the settings";
    EXPECT_EQ(get<Label>(u"标签_当前科目"_s)->caption(), u"当前科目:"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not a settings table"));
}

// A table whose header counts more records than the file holds, or none at all: reported, and
// its bytes left exactly as they were.
TEST_F(MainWindowTest, ASettingsFileIsNeverCorrectedByOpeningIt)
{
    const QString path = dir.filePath(u"配置文件.ini"_s);
    for (const qint32 recordCount : {7, 0}) {
        SCOPED_TRACE(recordCount);
        QFile::remove(path);
        ASSERT_EQ(createDefaultSettingsFile(path), 0);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.seek(16));
        const char count[4] = {char(recordCount), 0, 0, 0};
        ASSERT_EQ(file.write(count, 4), 4);
        file.close();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        fakes.messageBox.shown.clear();
        start();
        EXPECT_EQ(fakes.messageBox.texts(),
                  QStringList{u"无法打开配置文件："_s + QDir::toNativeSeparators(path)});
        mainWindow.reset();
        test::settle();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before);
        file.close();
    }
}

TEST_F(MainWindowTest, ABankHeldByAnotherProgramIsReportedAsBusy)
{
    test::BankLock lock(dir.bankPath());
    ASSERT_TRUE(lock.isLocked());
    start();
    ASSERT_EQ(fakes.messageBox.texts().size(), 1);
    EXPECT_TRUE(fakes.messageBox.texts().at(0).startsWith(u"题库文件正被其他程序使用"_s))
        << fakes.messageBox.texts().at(0).toStdString();
}

TEST_F(MainWindowTest, ClearedRecordsLeaveTheMainWindowAtOnce)
{
    ASSERT_TRUE(dir.execute(u"update swdeifen set DF='75' where ID=1"_s));
    start();
    ASSERT_EQ(get<Grid>(u"高级表格2"_s)->cell(1, 2), u"75"_s);
    click(u"超级按钮_清除记录"_s);
    Window* clearing = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* candidate = qobject_cast<Window*>(widget);
        if (candidate && candidate->title() == u"清除记录"_s && !candidate->isClosing())
            clearing = candidate;
    }
    ASSERT_NE(clearing, nullptr);
    QTest::mouseClick(clearing->control<QWidget>(u"选择框_考试得分记录"_s), Qt::LeftButton);
    fakes.messageBox.answers = {ButtonYes};
    QTest::mouseClick(clearing->control<QWidget>(u"按钮_确定"_s), Qt::LeftButton);
    EXPECT_EQ(fakes.messageBox.texts().value(1), u"清除完毕！"_s);
    EXPECT_EQ(get<Grid>(u"高级表格2"_s)->cell(1, 2), QString()) << "no cleared score stays on screen";
    clearing->closeWindow();
}

TEST_F(MainWindowTest, UpdateCheckRunsOnlyWhenTheSettingAllowsIt)
{
    fakes.http.body = QByteArray("<p>1234567=3.1=7654321</p>");
    start();
    EXPECT_TRUE(fakes.http.requested.isEmpty()) << "the default setting makes no request";
    mainWindow.reset();
    test::settle();

    Settings settings(RecordDatabase::processTables());
    ASSERT_EQ(settings.open(dir.filePath(u"配置文件.ini"_s)), 0);
    settings.writeBool(UpdateNotice, true);
    settings.close();
    start();
    EXPECT_EQ(fakes.http.requested.size(), 1);
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"当前版本已过旧，,请及时更新!"_s});
}

TEST_F(MainWindowTest, StartUpWritesTheGuidePageOnceAndTheGuideButtonShowsIt)
{
    start();
    const QString guide = dir.filePath(u"BaoDian.html"_s);
    ASSERT_TRUE(QFileInfo::exists(guide));
    // The owner, group and other bits: the "user" bit says what this (root) process may do.
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    EXPECT_FALSE(QFileInfo(guide).permissions() & writeBits) << "the guide page is made read-only";
    click(u"超级按钮_备考宝典"_s);
    EXPECT_TRUE(get<HtmlViewer>(u"超文本浏览框1"_s)->toPlainText().contains(u"考试简介"_s));
}

TEST_F(MainWindowTest, ContactPictureOpensTheContactLinkAndClearingButtonOpensItsWindow)
{
    start();
    QTest::mouseClick(get<QWidget>(u"图片框4"_s), Qt::LeftButton);
    EXPECT_EQ(fakes.address.opened.size(), 1);

    click(u"超级按钮_清除记录"_s);
    const auto windows = QApplication::topLevelWidgets();
    const bool clearingShown = std::any_of(windows.begin(), windows.end(), [](QWidget* w) {
        return w->isVisible() && w->windowTitle() == u"清除记录"_s;
    });
    EXPECT_TRUE(clearingShown);
    EXPECT_TRUE(window->isVisible()) << "the main window stays visible";
    for (QWidget* w : windows) {
        if (auto* other = qobject_cast<Window*>(w); other && other != window)
            other->closeWindow();
    }
}

TEST_F(MainWindowTest, ExitButtonAndEscBothCloseTheBankAndEndTheProgram)
{
    for (const bool useEsc : {false, true}) {
        start();
        QSignalSpy closed(mainWindow.get(), &MainWindow::closed);
        if (useEsc)
            QTest::keyClick(window, Qt::Key_Escape);
        else
            click(u"超级按钮_结束"_s);
        test::settle();
        EXPECT_EQ(closed.count(), 1);
        EXPECT_TRUE(window.isNull());
        EXPECT_FALSE(state.questionBank->isOpen());
        mainWindow.reset();
    }
}

TEST_F(MainWindowTest, MinimizeButtonMinimizes)
{
    start();
    click(u"超级按钮_最小化"_s);
    test::settle();
    EXPECT_EQ(window->position(), PositionMinimized);
}

} // namespace
} // namespace mirevo
