#include "CheckBox.h"
#include "ExamStatements.h"
#include "ExamTestSupport.h"
#include "Label.h"
#include "RadioBox.h"

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

class RecordingTest : public test::ExamTest
{
protected:
    void SetUp() override
    {
        ExamTest::SetUp();
        fillStandardPaper();
        ASSERT_NE(sitPaper(), nullptr);
    }
    const ExamCard& card() const { return session().answerCard; }
    void jumpTo(int k) { QTest::mouseClick(card().item(k), Qt::LeftButton); }
    QString given() const { return get<Label>(u"标签_你的答案"_s)->caption(); }
};

TEST_F(RecordingTest, AClickOnAnOptionStoresItAtOnceAndPaintsTheItemAnswered)
{
    choose(u"单选框_C"_s);
    EXPECT_EQ(storedAnswer(1), u"C"_s);
    EXPECT_EQ(state.currentSql, u"update sw1  set  XXDA='C' where ID=1"_s);
    EXPECT_EQ(card().colour(1), ExamCard::answered);
    EXPECT_EQ(card().state(1), ExamCard::Answered);
    EXPECT_EQ(given(), u"C"_s);
    choose(u"单选框_A"_s);
    EXPECT_EQ(storedAnswer(1), u"A"_s);
    EXPECT_FALSE(get<RadioBox>(u"单选框_C"_s)->isChecked());
}

TEST_F(RecordingTest, MultipleChoiceLettersAreStoredInOrderAndMayBecomeEmpty)
{
    jumpTo(25);
    choose(u"选择框_D"_s);
    EXPECT_EQ(storedAnswer(25), u"D"_s);
    choose(u"选择框_A"_s);
    EXPECT_EQ(storedAnswer(25), u"AD"_s);
    EXPECT_EQ(state.currentSql, u"update sw1  set  XXDA='AD' where ID=25"_s);
    choose(u"选择框_A"_s);
    choose(u"选择框_D"_s);
    EXPECT_EQ(storedAnswer(25), QString());
    EXPECT_EQ(card().colour(25), ExamCard::answered);
}

TEST_F(RecordingTest, JudgementAnswersUseTheirOneSpaceStatement)
{
    jumpTo(37);
    choose(u"单选框_正确"_s);
    EXPECT_EQ(state.currentSql, u"update sw1 set  XXDA='正确' where ID=37"_s);
    choose(u"单选框_错误"_s);
    EXPECT_EQ(storedAnswer(37), u"错误"_s);
    EXPECT_FALSE(get<RadioBox>(u"单选框_正确"_s)->isChecked());
}

TEST_F(RecordingTest, KeyboardChoicesAreStoredLikeMouseChoices)
{
    auto* a = get<RadioBox>(u"单选框_A"_s);
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Space);
    EXPECT_EQ(storedAnswer(1), u"A"_s);
    QTest::keyClick(a, Qt::Key_Down);
    EXPECT_EQ(storedAnswer(1), u"B"_s);
    EXPECT_EQ(card().colour(1), ExamCard::answered);
    EXPECT_EQ(card().state(1), ExamCard::Answered);

    jumpTo(30);
    auto* c = get<CheckBox>(u"选择框_C"_s);
    c->setFocus();
    QTest::keyClick(c, Qt::Key_Space);
    EXPECT_EQ(storedAnswer(30), u"C"_s);
    EXPECT_EQ(card().colour(30), ExamCard::answered);
}

TEST_F(RecordingTest, LeavingStoresTheShownAnswerOfAnAnsweredQuestionOnly)
{
    choose(u"单选框_D"_s);
    ASSERT_TRUE(dir.execute(u"update sw1 set XXDA='X' where ID=1"_s));
    click(u"按钮_下一题1"_s);
    EXPECT_EQ(storedAnswer(1), u"D"_s) << "written once more on the way out";
    EXPECT_EQ(card().colour(1), ExamCard::answered);

    // Question 2 is untouched: leaving it runs no statement, not even the last one again.
    fakes.messageBox.answers = {ButtonYes};
    click(u"按钮_交卷"_s);
    ASSERT_TRUE(state.currentSql.startsWith(u"update  swdeifen"_s));
    ASSERT_TRUE(dir.execute(u"update swdeifen set DF='7' where ID=1"_s));
    click(u"按钮_下一题1"_s);
    EXPECT_EQ(storedAnswer(2), QString());
    EXPECT_EQ(card().colour(2), ExamCard::notAnswered);
    EXPECT_EQ(dir.bankValue(u"select DF from swdeifen where ID=1"_s), u"7"_s);
}

TEST_F(RecordingTest, PressingAnOptionOfAMarkedQuestionMakesItAnsweredAgain)
{
    click(u"选择框_标记"_s);
    ASSERT_EQ(card().state(1), ExamCard::Marked);
    choose(u"单选框_B"_s);
    EXPECT_EQ(card().state(1), ExamCard::Answered);
    EXPECT_EQ(card().colour(1), ExamCard::answered);
}

TEST_F(RecordingTest, AnAnswerThatCannotBeStoredIsReportedAndLeavesTheItemAsItWas)
{
    choose(u"单选框_A"_s);
    jumpTo(2);
    ASSERT_TRUE(dir.execute(u"drop table sw1"_s));
    choose(u"单选框_B"_s);
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"错误代码！"_s});
    EXPECT_EQ(fakes.messageBox.shown[0].style, 0);
    EXPECT_EQ(card().state(2), ExamCard::Untouched);
    EXPECT_EQ(card().colour(2), ExamCard::notAnswered);
    EXPECT_TRUE(given().isEmpty());

    jumpTo(1);
    choose(u"单选框_C"_s);
    EXPECT_EQ(card().state(1), ExamCard::Answered);
    EXPECT_EQ(card().colour(1), ExamCard::answered) << "the colour of the stored A stays";
}

TEST(RecordingStatementsTest, SubjectTwoWritesIntoItsOwnPaperTables)
{
    EXPECT_EQ(choiceAnswerStatement(2, 7, u"ACD"_s, 12), u"update jc7  set  XXDA='ACD' where ID=12"_s);
    EXPECT_EQ(judgementAnswerStatement(2, 7, u"错误"_s, 12), u"update jc7 set  XXDA='错误' where ID=12"_s);
    EXPECT_EQ(paperStatement(2, 7), u"select  * from jc7"_s);
    EXPECT_EQ(paperTypeStatement(2, 7, u"判断题"_s), u"select  * from jc7  where tx='判断题'"_s);
    EXPECT_EQ(paperScoreStatement(2, 7), u"select * from  jcdeifen  where SJ='7'"_s);
    EXPECT_EQ(storeScoreStatement(2, 7, u"88.5"_s), u"update  jcdeifen  set  df='88.5'   where ID=7"_s);
}

} // namespace
} // namespace mirevo
