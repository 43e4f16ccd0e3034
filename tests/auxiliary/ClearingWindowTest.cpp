#include "ClearingWindow.h"

#include "BankAccess.h"
#include "Button.h"
#include "CheckBox.h"
#include "FakeServices.h"
#include "ProgramState.h"
#include "QuestionBank.h"
#include "TempProgramDir.h"
#include "Window.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

const QString practiceBox = u"选择框_章节做题记录"_s;
const QString examAnswersBox = u"选择框_考试做题记录"_s;
const QString favouritesBox = u"选择框_错题收藏记录"_s;
const QString scoresBox = u"选择框_考试得分记录"_s;

BankQuestion row(qint64 id, const QString& zj, const QString& xxda, const QString& shucang)
{
    BankQuestion q = test::TempProgramDir::question(id, zj);
    q.xxda = xxda;
    q.shucang = shucang;
    return q;
}

class ClearingWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid()) << dir.error().toStdString();
        // Answers and marks of both subjects; a null QString is stored as NULL.
        ASSERT_TRUE(
            dir.insertQuestions(u"swzj"_s, {row(1, u"1"_s, u"A"_s, u"YES"_s), row(2, u"1"_s, {}, {}),
                                            row(3, u"2"_s, u""_s, u""_s), row(4, u"3"_s, u"ACD"_s, u"YES"_s),
                                            row(5, u"3"_s, u"正确"_s, u""_s)}));
        ASSERT_TRUE(dir.insertQuestions(u"jczj"_s, {row(1, u"1"_s, u"B"_s, u"YES"_s)}));
        state.questionBank = &bank;
        ASSERT_TRUE(openQuestionBank(state, dir.path()));
        state.currentSubject = 1;
    }

    void TearDown() override
    {
        if (window)
            window->closeWindow();
        test::settle();
        bank.CloseDatabase();
    }

    void open()
    {
        openClearingWindow(state, fakes.services());
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* candidate = qobject_cast<Window*>(widget);
            if (candidate && !candidate->isClosing() && candidate->title() == u"清除记录"_s)
                window = candidate;
        }
        ASSERT_TRUE(window);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    CheckBox* box(const QString& name) const { return window->control<CheckBox>(name); }
    void clickBox(const QString& name)
    {
        CheckBox* target = box(name);
        const bool before = target->isChecked();
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
        ASSERT_NE(target->isChecked(), before) << "the click reached " << name.toStdString();
    }
    void pressOk() { QTest::mouseClick(window->control<Button>(u"按钮_确定"_s), Qt::LeftButton); }

    qint64 count(const QString& sql) const { return dir.bankValue(sql).toLongLong(); }
    QVariant value(const QString& sql) const { return dir.bankValue(sql); }

    test::TempProgramDir dir;
    test::FakeServices fakes;
    QuestionBank bank;
    ProgramState state;
    QPointer<Window> window;
};

TEST_F(ClearingWindowTest, OpensCentredAndTitledWithNothingChecked)
{
    open();
    EXPECT_EQ(window->title(), u"清除记录"_s);
    EXPECT_EQ(window->size(), QSize(355, 226));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "fixed border";
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(window->frameGeometry().center(),
              QGuiApplication::primaryScreen()->availableGeometry().center());
    for (const QString& name : {practiceBox, examAnswersBox, favouritesBox, scoresBox})
        EXPECT_FALSE(box(name)->isChecked()) << name.toStdString();
    EXPECT_EQ(window->control<Button>(u"按钮_确定"_s)->caption(), u"确定"_s);
}

TEST_F(ClearingWindowTest, OnePressClearsOnlyTheFirstCheckedKind)
{
    open();
    clickBox(favouritesBox);
    clickBox(practiceBox);
    pressOk();
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"清除完毕！"_s});
    EXPECT_EQ(fakes.messageBox.shown[0].style, 0);
    EXPECT_EQ(fakes.messageBox.shown[0].title, u"信息："_s);
    EXPECT_EQ(count(u"select count(*) from swzj where XXDA<>''"_s), 0);
    EXPECT_EQ(count(u"select count(*) from swzj where XXDA=''"_s), 4);
    EXPECT_EQ(count(u"select count(*) from swzj where XXDA is null"_s), 1) << "NULL stays NULL";
    EXPECT_EQ(count(u"select count(*) from swzj where shucang='YES'"_s), 2) << "favourites not looked at";
    EXPECT_EQ(value(u"select XXDA from jczj where ID=1"_s).toString(), u"B"_s) << "other subject untouched";
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(box(practiceBox)->isChecked());
    EXPECT_TRUE(box(favouritesBox)->isChecked());

    clickBox(practiceBox);
    pressOk();
    EXPECT_EQ(fakes.messageBox.texts(), (QStringList{u"清除完毕！"_s, u"清除完毕！"_s}));
    EXPECT_EQ(count(u"select count(*) from swzj where shucang<>''"_s), 0);
    EXPECT_EQ(count(u"select count(*) from swzj where shucang is null"_s), 1);
    EXPECT_EQ(value(u"select shucang from jczj where ID=1"_s).toString(), u"YES"_s);
}

TEST_F(ClearingWindowTest, ScoresAreClearedAndThePaperRowsKept)
{
    ASSERT_TRUE(dir.execute(u"update swdeifen set DF='58.5' where ID=3"_s));
    ASSERT_TRUE(dir.execute(u"update swdeifen set DF='100' where ID=20"_s));
    ASSERT_TRUE(dir.execute(u"update jcdeifen set DF='90' where ID=1"_s));
    open();
    clickBox(scoresBox);
    clickBox(examAnswersBox);
    pressOk();
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"清除完毕！"_s});
    EXPECT_EQ(count(u"select count(*) from swdeifen where DF<>''"_s), 0);
    EXPECT_EQ(count(u"select count(*) from swdeifen"_s), 20);
    EXPECT_EQ(value(u"select SJ from swdeifen where ID=3"_s).toString(), u"3"_s);
    EXPECT_EQ(value(u"select DF from jcdeifen where ID=1"_s).toString(), u"90"_s);
    EXPECT_EQ(state.currentSql, u"update swdeifen set  DF=''   where ID=20"_s);
}

TEST_F(ClearingWindowTest, ExamAnswersOfTheCurrentPaperOnly)
{
    ASSERT_TRUE(
        dir.insertQuestions(u"jc3"_s, {row(1, {}, u"A"_s, {}), row(2, {}, {}, {}), row(3, {}, u"BD"_s, {})}));
    ASSERT_TRUE(dir.insertQuestions(u"jc4"_s, {row(1, {}, u"C"_s, {})}));
    ASSERT_TRUE(dir.insertQuestions(u"sw3"_s, {row(1, {}, u"D"_s, {})}));
    state.currentSubject = 2;
    state.currentPaper = 3;
    open();
    clickBox(examAnswersBox);
    pressOk();
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"清除完毕！"_s});
    EXPECT_EQ(count(u"select count(*) from jc3 where XXDA<>''"_s), 0);
    EXPECT_EQ(count(u"select count(*) from jc3 where XXDA is null"_s), 1);
    EXPECT_EQ(value(u"select XXDA from jc4 where ID=1"_s).toString(), u"C"_s);
    EXPECT_EQ(value(u"select XXDA from sw3 where ID=1"_s).toString(), u"D"_s);
    EXPECT_EQ(value(u"select XXDA from jczj where ID=1"_s).toString(), u"B"_s);
}

TEST_F(ClearingWindowTest, NoPaperChosenIsAnError)
{
    open();
    clickBox(examAnswersBox);
    pressOk();
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"错误代码！"_s});
    EXPECT_EQ(state.currentSql, u"select * from sw0 where  xxda<>''"_s);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ClearingWindowTest, FailedUpdateStopsTheWalkAndKeepsWhatWasCleared)
{
    ASSERT_TRUE(dir.execute(u"create trigger keep4 before update on swzj when old.ID=4 "
                            u"begin select raise(abort, 'kept'); end"_s));
    open();
    clickBox(practiceBox);
    pressOk();
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"错误代码！"_s});
    EXPECT_EQ(value(u"select XXDA from swzj where ID=1"_s).toString(), u""_s) << "cleared before the failure";
    EXPECT_EQ(value(u"select XXDA from swzj where ID=4"_s).toString(), u"ACD"_s);
    EXPECT_EQ(value(u"select XXDA from swzj where ID=5"_s).toString(), u"正确"_s) << "the walk stopped";
}

TEST_F(ClearingWindowTest, NothingCheckedClearsNothingAndSaysDone)
{
    ASSERT_TRUE(dir.execute(u"update swdeifen set DF='60' where ID=1"_s));
    open();
    pressOk();
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"清除完毕！"_s});
    EXPECT_EQ(count(u"select count(*) from swzj where XXDA<>''"_s), 3);
    EXPECT_EQ(count(u"select count(*) from swzj where shucang<>''"_s), 2);
    EXPECT_EQ(value(u"select DF from swdeifen where ID=1"_s).toString(), u"60"_s);
}

TEST_F(ClearingWindowTest, EscClosesAndDeletesTheWindow)
{
    open();
    QTest::keyClick(window, Qt::Key_Escape);
    test::settle();
    EXPECT_TRUE(window.isNull());
}

} // namespace
} // namespace mirevo
