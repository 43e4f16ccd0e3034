// What the examination window shows is what the bank holds, and every control acts as the
// candidate expects.
#include "BankLock.h"
#include "CheckBox.h"
#include "EditBox.h"
#include "ExamTestSupport.h"
#include "Label.h"
#include "RadioBox.h"

using namespace Qt::StringLiterals;

namespace mirevo::test {
namespace {

class ExamTrustTest : public ExamTest
{
protected:
    ExamCard& card() const { return const_cast<ExamCard&>(session().answerCard); }
};

TEST_F(ExamTrustTest, TheWholeRectangleOfAnOptionTakesTheClick)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    auto* b = get<RadioBox>(u"单选框_B"_s);
    ASSERT_GT(b->width(), b->sizeHint().width() + 20) << "the designed width reaches past the text";
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() - 5, b->height() / 2));
    EXPECT_TRUE(b->isChecked());
    EXPECT_EQ(storedAnswer(1), u"B"_s);
    EXPECT_EQ(card().colour(1), ExamCard::answered);

    click(u"按钮_下一题1"_s);
    for (int k = 2; k < 25; ++k)
        click(u"按钮_下一题1"_s);
    auto* c = get<CheckBox>(u"选择框_C"_s);
    QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(c->width() - 5, c->height() / 2));
    EXPECT_EQ(storedAnswer(25), u"C"_s);
}

TEST_F(ExamTrustTest, BankTextIsNeverAMnemonic)
{
    QList<BankQuestion> questions;
    for (int k = 1; k <= 61; ++k)
        questions << TempProgramDir::question(k, {}, questionType(k), standardAnswer(k));
    questions[0].xxd = u"R&D支出"_s;
    ASSERT_TRUE(dir.insertQuestions(u"sw1"_s, questions));
    ASSERT_NE(sitPaper(), nullptr);
    auto* d = get<RadioBox>(u"单选框_D"_s);
    EXPECT_EQ(d->caption(), u"D.R&D支出"_s);
    ASSERT_TRUE(QTest::qWaitForWindowActive(exam));
    QTest::keyClick(exam, Qt::Key_D, Qt::AltModifier);
    EXPECT_FALSE(d->isChecked()) << "Alt+D is no shortcut of the option";
    EXPECT_EQ(storedAnswer(1).toString(), QString());
}

TEST_F(ExamTrustTest, ABusyBankSaysSoAndKeepsTheQuestionAsStored)
{
    fillStandardPaper();
    ASSERT_TRUE(dir.execute(u"update sw1 set XXDA='C' where ID=1"_s));
    ASSERT_NE(sitPaper(), nullptr);
    {
        BankLock lock(dir.bankPath());
        ASSERT_TRUE(lock.isLocked());
        choose(u"单选框_A"_s);
        ASSERT_EQ(fakes.messageBox.texts(), QStringList{u"题库文件正被其他程序使用，本题答案未保存。"_s});
        EXPECT_TRUE(get<RadioBox>(u"单选框_C"_s)->isChecked());
        EXPECT_FALSE(get<RadioBox>(u"单选框_A"_s)->isChecked());
        EXPECT_EQ(card().colour(1), ExamCard::current);

        click(u"按钮_下一题1"_s);
        EXPECT_EQ(get<Label>(u"标签_题号"_s)->caption(), u"1"_s);
        EXPECT_TRUE(get<EditBox>(u"编辑框_tm"_s)->content().startsWith(u"第1题"_s));
        EXPECT_EQ(card().colour(1), ExamCard::current);
        EXPECT_EQ(card().colour(2), ExamCard::notAnswered);
    }
    EXPECT_EQ(storedAnswer(1), u"C"_s);
    choose(u"单选框_A"_s);
    EXPECT_EQ(storedAnswer(1), u"A"_s);
}

TEST_F(ExamTrustTest, AnUpdateThatChangesNoRowIsAFailure)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    ASSERT_TRUE(dir.execute(u"DELETE FROM sw1 WHERE ID=1"_s));
    choose(u"单选框_B"_s);
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"错误代码！"_s});
    EXPECT_NE(card().colour(1), ExamCard::answered);
    EXPECT_TRUE(get<Label>(u"标签_你的答案"_s)->caption().isEmpty());
}

TEST_F(ExamTrustTest, MarksShowOnTheMarkBoxAndUnmarkingKeepsAnAnswer)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    choose(u"单选框_B"_s);
    auto* mark = get<CheckBox>(u"选择框_标记"_s);
    choose(u"选择框_标记"_s);
    EXPECT_EQ(card().state(1), ExamCard::Marked);
    click(u"按钮_下一题1"_s);
    click(u"按钮_上一题1"_s);
    EXPECT_TRUE(mark->isChecked()) << "the box shows the question's mark";
    choose(u"选择框_标记"_s);
    EXPECT_FALSE(mark->isChecked());
    EXPECT_EQ(card().state(1), ExamCard::Answered) << "an answered question stays answered";
    EXPECT_EQ(card().colour(1), ExamCard::answered);

    click(u"按钮_下一题1"_s);
    choose(u"选择框_标记"_s);
    choose(u"选择框_标记"_s);
    EXPECT_EQ(card().state(2), ExamCard::Untouched) << "nothing stored, nothing answered";
}

TEST_F(ExamTrustTest, TheBannerNamesTheSubjectAndTheClockItsOfficialTime)
{
    state.currentSubject = 2;
    page->fillPaperCatalogue();
    fillStandardPaper(1, u"jc"_s);
    ASSERT_NE(sitPaper(), nullptr);
    EXPECT_EQ(get<Label>(u"透明标签2"_s)->caption(), u"无纸化考试系统--经济法基础"_s);
    EXPECT_EQ(session().examClock.totalSeconds(), 90 * 60);
    EXPECT_EQ(session().examClock.displayText(), u"01:30:00"_s);
}

TEST_F(ExamTrustTest, AfterAHandInClosingAsksNothing)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    fakes.messageBox.answers = {ButtonYes};
    click(u"按钮_交卷"_s);
    fakes.messageBox.shown.clear();
    ASSERT_TRUE(QTest::qWaitForWindowActive(exam));
    QTest::keyClick(exam, Qt::Key_Escape);
    settle();
    EXPECT_TRUE(exam.isNull());
    EXPECT_TRUE(fakes.messageBox.texts().isEmpty());
}

} // namespace
} // namespace mirevo::test
