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
    // Presses 确定 and answers its question with Yes; the texts shown after the question.
    QStringList pressOkAndAgree()
    {
        fakes.messageBox.answers = {ButtonYes};
        const qsizetype before = fakes.messageBox.texts().size();
        pressOk();
        const QStringList texts = fakes.messageBox.texts().mid(before);
        EXPECT_GE(texts.size(), 1);
        EXPECT_TRUE(texts.value(0).startsWith(u"确定要清除"_s)) << texts.value(0).toStdString();
        return texts.mid(1);
    }

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

TEST_F(ClearingWindowTest, OnePressAsksThenClearsEveryCheckedKind)
{
    open();
    clickBox(favouritesBox);
    clickBox(practiceBox);
    fakes.messageBox.answers = {ButtonNo};
    pressOk();
    ASSERT_EQ(fakes.messageBox.texts(),
              QStringList{u"确定要清除初级会计实务的章节做题记录、错题收藏记录吗？"_s});
    EXPECT_EQ(fakes.messageBox.shown[0].style, StyleYesNo);
    EXPECT_EQ(count(u"select count(*) from swzj where XXDA<>''"_s), 3) << "No clears nothing";
    EXPECT_EQ(count(u"select count(*) from swzj where shucang='YES'"_s), 2);

    EXPECT_EQ(pressOkAndAgree(), QStringList{u"清除完毕！"_s});
    EXPECT_EQ(count(u"select count(*) from swzj where XXDA<>''"_s), 0);
    EXPECT_EQ(count(u"select count(*) from swzj where XXDA=''"_s), 4);
    EXPECT_EQ(count(u"select count(*) from swzj where XXDA is null"_s), 1) << "NULL stays NULL";
    EXPECT_EQ(count(u"select count(*) from swzj where shucang<>''"_s), 0);
    EXPECT_EQ(count(u"select count(*) from swzj where shucang is null"_s), 1);
    EXPECT_EQ(value(u"select XXDA from jczj where ID=1"_s).toString(), u"B"_s) << "other subject untouched";
    EXPECT_EQ(value(u"select shucang from jczj where ID=1"_s).toString(), u"YES"_s);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(box(practiceBox)->isChecked());
    EXPECT_TRUE(box(favouritesBox)->isChecked());
}

TEST_F(ClearingWindowTest, TheScreensAreToldOnceSomethingWasCleared)
{
    int told = 0;
    openClearingWindow(state, fakes.services(), [&told] { ++told; });
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* candidate = qobject_cast<Window*>(widget);
        if (candidate && !candidate->isClosing() && candidate->title() == u"清除记录"_s)
            window = candidate;
    }
    ASSERT_TRUE(window);
    clickBox(practiceBox);
    fakes.messageBox.answers = {ButtonNo};
    pressOk();
    EXPECT_EQ(told, 0);
    pressOkAndAgree();
    EXPECT_EQ(told, 1);
}

TEST_F(ClearingWindowTest, ARowWhoseIdIsNoIntegerFailsTheWalkAndReachesNoStatement)
{
    ASSERT_TRUE(dir.execute(u"DROP TABLE jczj"_s));
    ASSERT_TRUE(
        dir.execute(u"CREATE TABLE jczj (ID TEXT, zj TEXT, TM TEXT, TX TEXT, XXA TEXT, XXB TEXT, XXC TEXT, "
                    u"XXD TEXT, DA TEXT, JX TEXT, shucang TEXT, XXDA TEXT)"_s));
    ASSERT_TRUE(
        dir.execute(u"INSERT INTO jczj (ID, XXDA) VALUES ('1', 'A'), ('2 or 1=1', 'B'), ('3', 'C')"_s));
    state.currentSubject = 2;
    open();
    clickBox(practiceBox);
    EXPECT_EQ(pressOkAndAgree(), QStringList{u"错误代码！"_s});
    EXPECT_EQ(value(u"select XXDA from jczj where ID='1'"_s).toString(), u""_s);
    EXPECT_EQ(value(u"select XXDA from jczj where ID='2 or 1=1'"_s).toString(), u"B"_s);
    EXPECT_EQ(value(u"select XXDA from jczj where ID='3'"_s).toString(), u"C"_s) << "the walk stopped";
    EXPECT_FALSE(state.currentSql.contains(u"or"_s)) << state.currentSql.toStdString();
}

TEST_F(ClearingWindowTest, ScoresAreClearedAndThePaperRowsKept)
{
    ASSERT_TRUE(dir.execute(u"update swdeifen set DF='58.5' where ID=3"_s));
    ASSERT_TRUE(dir.execute(u"update swdeifen set DF='100' where ID=20"_s));
    ASSERT_TRUE(dir.execute(u"update jcdeifen set DF='90' where ID=1"_s));
    open();
    clickBox(scoresBox);
    EXPECT_EQ(pressOkAndAgree(), QStringList{u"清除完毕！"_s});
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
    EXPECT_EQ(pressOkAndAgree(), QStringList{u"清除完毕！"_s});
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
    EXPECT_EQ(pressOkAndAgree(), QStringList{u"错误代码！"_s});
    EXPECT_EQ(state.currentSql, u"select * from sw0 where  xxda<>''"_s);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ClearingWindowTest, FailedUpdateStopsTheWalkAndKeepsWhatWasCleared)
{
    ASSERT_TRUE(dir.execute(u"create trigger keep4 before update on swzj when old.ID=4 "
                            u"begin select raise(abort, 'kept'); end"_s));
    open();
    clickBox(practiceBox);
    clickBox(scoresBox);
    ASSERT_TRUE(dir.execute(u"update swdeifen set DF='60' where ID=1"_s));
    EXPECT_EQ(pressOkAndAgree(), QStringList{u"错误代码！"_s});
    EXPECT_EQ(value(u"select DF from swdeifen where ID=1"_s).toString(), u"60"_s) << "later kinds not begun";
    EXPECT_EQ(value(u"select XXDA from swzj where ID=1"_s).toString(), u""_s) << "cleared before the failure";
    EXPECT_EQ(value(u"select XXDA from swzj where ID=4"_s).toString(), u"ACD"_s);
    EXPECT_EQ(value(u"select XXDA from swzj where ID=5"_s).toString(), u"正确"_s) << "the walk stopped";
}

TEST_F(ClearingWindowTest, NothingCheckedClearsNothingAndAsksForAChoice)
{
    ASSERT_TRUE(dir.execute(u"update swdeifen set DF='60' where ID=1"_s));
    open();
    pressOk();
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"请选择要清除的记录。"_s});
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
