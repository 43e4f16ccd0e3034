#include "SettingsWindow.h"

#include "CheckBox.h"
#include "ComboBox.h"
#include "EditBox.h"
#include "FakeServices.h"
#include "Label.h"
#include "RecordDatabase.h"
#include "Settings.h"
#include "SettingsFile.h"
#include "Spin.h"
#include "Window.h"
#include "WindowTestSupport.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

class SettingsWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(createDefaultSettingsFile(path()), 0);
        ASSERT_EQ(settings.open(path()), 0);
    }
    void TearDown() override
    {
        if (window)
            window->closeWindow();
        test::settle();
        settings.close();
    }
    QString path() const { return dir.filePath(u"配置文件.ini"_s); }
    void openWindow()
    {
        if (window) {
            window->closeWindow();
            test::settle();
        }
        window = SettingsWindow::open(settings, fakes.services());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    template <class T> T* get(const QString& name) const { return window->control<T>(name); }
    bool checked(const QString& name) const { return get<CheckBox>(name)->isChecked(); }
    void click(const QString& name) { QTest::mouseClick(get<QWidget>(name), Qt::LeftButton); }
    void chooseFont(int index)
    {
        auto* combo = get<ComboBox>(u"组合框_字体设置"_s);
        combo->setFocus();
        while (combo->selectedIndex() < index)
            QTest::keyClick(combo, Qt::Key_Down);
        while (combo->selectedIndex() > index)
            QTest::keyClick(combo, Qt::Key_Up);
    }

    QTemporaryDir dir;
    test::FakeServices fakes;
    Settings settings{RecordDatabase::processTables()};
    QPointer<Window> window;
};

TEST_F(SettingsWindowTest, LoadsTheStoredSettings)
{
    openWindow();
    EXPECT_EQ(window->title(), u"系统设置"_s);
    EXPECT_EQ(window->size(), QSize(505, 388));
    EXPECT_FALSE(checked(u"选择框_软件有更新时提示我"_s));
    EXPECT_TRUE(checked(u"选择框_章节练习自动保存做题记录"_s));
    EXPECT_TRUE(checked(u"选择框_章节练习时窗口最大化"_s));
    EXPECT_TRUE(checked(u"选择框_考试时窗口最大化"_s));
    EXPECT_EQ(get<ComboBox>(u"组合框_字体设置"_s)->currentText(), u"11"_s);
    EXPECT_EQ(get<Label>(u"标签_字体大小"_s)->font().pointSize(), 11);
    EXPECT_EQ(get<EditBox>(u"编辑框1"_s)->content(), u"200"_s);
    EXPECT_FALSE(get<QWidget>(u"编辑框1"_s)->isVisible());
    EXPECT_FALSE(get<QWidget>(u"调节器1"_s)->isVisible());
}

TEST_F(SettingsWindowTest, SaveStoresWhatTheWindowShowsAndReopeningShowsIt)
{
    openWindow();
    click(u"选择框_软件有更新时提示我"_s);
    click(u"选择框_章节练习时窗口最大化"_s);
    chooseFont(4);
    EXPECT_EQ(get<Label>(u"标签_字体大小"_s)->font().pointSize(), 14) << "choosing an entry previews it";
    EXPECT_EQ(settings.readNumber(AnswerFontCode), 1) << "nothing is stored before 保存";

    click(u"按钮_保存"_s);
    ASSERT_EQ(fakes.messageBox.texts(), QStringList{u"你的设置保存成功！"_s});
    EXPECT_TRUE(settings.readBool(UpdateNotice));
    EXPECT_TRUE(settings.readBool(AutoSavePractice));
    EXPECT_EQ(settings.readNumber(PracticeWindowState), 1);
    EXPECT_EQ(settings.readNumber(ExamWindowState), 3);
    EXPECT_EQ(settings.readNumber(AnswerFontCode), 4);
    EXPECT_EQ(settings.readNumber(DefaultQuestionCount), 200);

    settings.close();
    ASSERT_EQ(settings.open(path()), 0) << "the values are in the file";
    openWindow();
    EXPECT_TRUE(checked(u"选择框_软件有更新时提示我"_s));
    EXPECT_FALSE(checked(u"选择框_章节练习时窗口最大化"_s));
    EXPECT_EQ(get<ComboBox>(u"组合框_字体设置"_s)->currentText(), u"14"_s);
}

TEST_F(SettingsWindowTest, AnyStoredStateOtherThanCentredShowsMaximized)
{
    settings.writeNumber(PracticeWindowState, 2);
    settings.writeNumber(ExamWindowState, 1);
    openWindow();
    EXPECT_TRUE(checked(u"选择框_章节练习时窗口最大化"_s));
    EXPECT_FALSE(checked(u"选择框_考试时窗口最大化"_s));
}

TEST_F(SettingsWindowTest, RestoreDefaultsStoresAtOnceWithoutSave)
{
    settings.writeBool(UpdateNotice, true);
    settings.writeBool(AutoSavePractice, false);
    settings.writeNumber(PracticeWindowState, 1);
    settings.writeNumber(AnswerFontCode, 3);
    settings.writeNumber(DefaultQuestionCount, 55);
    openWindow();
    QTest::mouseClick(get<QWidget>(u"标签_恢复默认"_s), Qt::LeftButton);
    window->closeWindow();
    test::settle();

    EXPECT_TRUE(fakes.messageBox.shown.isEmpty());
    EXPECT_FALSE(settings.readBool(UpdateNotice));
    EXPECT_TRUE(settings.readBool(AutoSavePractice));
    EXPECT_EQ(settings.readNumber(PracticeWindowState), 3);
    EXPECT_EQ(settings.readNumber(ExamWindowState), 3);
    EXPECT_EQ(settings.readNumber(AnswerFontCode), 1);
    EXPECT_EQ(settings.readNumber(DefaultQuestionCount), 200);
}

TEST_F(SettingsWindowTest, EmptyFontEntryStoresZeroAndNoEntryStoresMinusOne)
{
    openWindow();
    chooseFont(0);
    click(u"按钮_保存"_s);
    EXPECT_EQ(settings.readNumber(AnswerFontCode), 0);

    get<ComboBox>(u"组合框_字体设置"_s)->setSelectedIndex(-1);
    click(u"按钮_保存"_s);
    EXPECT_EQ(settings.readNumber(AnswerFontCode), -1);
}

TEST_F(SettingsWindowTest, HiddenSpinStepsTheQuestionCountThatSaveStores)
{
    openWindow();
    auto* spin = get<Spin>(u"调节器1"_s);
    emit spin->pressed(1);
    emit spin->pressed(1);
    emit spin->pressed(-1);
    EXPECT_EQ(get<EditBox>(u"编辑框1"_s)->content(), u"201"_s);
    click(u"按钮_保存"_s);
    EXPECT_EQ(settings.readNumber(DefaultQuestionCount), 201);
}

TEST_F(SettingsWindowTest, SaveThatCannotWriteSaysSo)
{
    openWindow();
    settings.close();
    click(u"按钮_保存"_s);
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"错误代码！"_s});
    ASSERT_EQ(settings.open(path()), 0);
}

} // namespace
} // namespace mirevo
