#include "Scoring.h"

#include "ExamTestSupport.h"
#include "Label.h"
#include "RadioBox.h"
#include "Timer.h"

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

QString scoreMessage(const QString& score)
{
    return u"你本次考试得分为：\r\n\r\n"_s + score + u"分"_s;
}

class ScoringTest : public test::ExamTest
{
protected:
    const ExamCard& card() const { return session().answerCard; }
    void handIn(int answer = ButtonYes)
    {
        fakes.messageBox.answers = {answer};
        click(u"按钮_交卷"_s);
    }
    QVariant storedScore(int paper = 1) const
    {
        return dir.bankValue(u"select DF from swdeifen where ID=%1"_s.arg(paper));
    }
    void tick() { emit get<Timer>(u"时钟1"_s)->tick(); }
    int countColoured(const QColor& colour) const
    {
        int count = 0;
        for (int k = 1; k <= 61; ++k)
            count += card().colour(k) == colour ? 1 : 0;
        return count;
    }
};

// The answer a candidate gives to question k: right, wrong or none.
QString givenAnswer(int k)
{
    if (k % 7 == 0)
        return {};
    const QString right = test::standardAnswer(k);
    if (k % 3 != 0)
        return right;
    if (test::questionType(k) == u"单选题"_s)
        return QString(QChar(u'A' + (right.at(0).unicode() - u'A' + 1) % 4));
    if (test::questionType(k) == u"判断题"_s)
        return right == u"正确"_s ? u"错误"_s : u"正确"_s;
    return right.chopped(1);
}

TEST_F(ScoringTest, AWholePaperSatThroughClicksIsStoredScoredAndShownAgain)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    float expected = 0;
    for (int k = 1; k <= 61; ++k) {
        const QString answer = givenAnswer(k);
        const QString type = test::questionType(k);
        if (type == u"单选题"_s && !answer.isEmpty())
            choose(u"单选框_"_s + answer);
        else if (type == u"判断题"_s && !answer.isEmpty())
            choose(u"单选框_"_s + answer);
        else
            for (const QChar letter : answer)
                choose(u"选择框_"_s + letter);
        if (answer == test::standardAnswer(k))
            expected += Scoring::pointsOf(type);
        if (k == 5)
            click(u"选择框_标记"_s);
        if (k < 61)
            click(u"按钮_下一题1"_s);
    }
    EXPECT_EQ(card().colour(5), ExamCard::wrong) << "marked and left";
    QTest::mouseClick(card().item(10), Qt::LeftButton);
    EXPECT_EQ(get<Label>(u"标签_题号"_s)->caption(), u"10"_s);

    handIn();
    const QString score = Scoring::scoreText(expected);
    ASSERT_EQ(fakes.messageBox.shown.size(), 2);
    EXPECT_EQ(fakes.messageBox.shown[0].text, u"确定要交卷吗？"_s);
    EXPECT_EQ(fakes.messageBox.shown[0].style, 4);
    EXPECT_EQ(fakes.messageBox.shown[0].title, u"信息："_s);
    EXPECT_EQ(fakes.messageBox.shown[1].text, scoreMessage(score));
    EXPECT_EQ(fakes.messageBox.shown[1].style, 64);
    EXPECT_EQ(fakes.messageBox.shown[1].title, u"评分"_s);
    EXPECT_EQ(storedScore(), score);
    for (int k = 1; k <= 61; ++k) {
        const QString given = givenAnswer(k);
        if (given.isEmpty() && test::questionType(k) != u"多选题"_s &&
            test::questionType(k) != u"不定项选择题"_s)
            EXPECT_EQ(storedAnswer(k), QString()) << k;
        else
            EXPECT_EQ(storedAnswer(k).toString(), given) << k;
        EXPECT_EQ(card().colour(k), given == test::standardAnswer(k) ? ExamCard::right : ExamCard::wrong)
            << k;
    }

    ASSERT_TRUE(QTest::qWaitForWindowActive(exam));
    QTest::keyClick(exam, Qt::Key_Escape);
    test::settle();
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_EQ(mainWindow->control<Grid>(u"高级表格2"_s)->cell(1, 2), score);

    ASSERT_NE(sitPaper(), nullptr);
    EXPECT_TRUE(get<RadioBox>(u"单选框_"_s + givenAnswer(1))->isChecked());
    QTest::mouseClick(card().item(38), Qt::LeftButton);
    EXPECT_TRUE(get<RadioBox>(u"单选框_"_s + givenAnswer(38))->isChecked());
    QTest::mouseClick(card().item(50), Qt::LeftButton);
    for (const QString& letter : {u"A"_s, u"B"_s, u"C"_s, u"D"_s})
        EXPECT_EQ(get<QAbstractButton>(u"选择框_"_s + letter)->isChecked(), givenAnswer(50).contains(letter));
}

TEST_F(ScoringTest, NothingAnsweredScoresZeroAndPaintsEveryItemRed)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    handIn();
    EXPECT_EQ(fakes.messageBox.texts().last(), scoreMessage(u"0"_s));
    EXPECT_EQ(storedScore(), u"0"_s);
    EXPECT_EQ(countColoured(ExamCard::wrong), 61);
    EXPECT_EQ(state.currentSql, u"update  swdeifen  set  df='0'   where ID=1"_s);
}

TEST_F(ScoringTest, EveryAnswerRightScoresOneHundredAndTwiceStoresItTwice)
{
    fillStandardPaper();
    ASSERT_TRUE(dir.execute(u"update sw1 set XXDA=DA"_s));
    ASSERT_NE(sitPaper(), nullptr);
    handIn();
    handIn();
    EXPECT_EQ(fakes.messageBox.texts(), (QStringList{u"确定要交卷吗？"_s, scoreMessage(u"100"_s),
                                                     u"确定要交卷吗？"_s, scoreMessage(u"100"_s)}));
    EXPECT_EQ(storedScore(), u"100"_s);
    EXPECT_EQ(countColoured(ExamCard::right), 61);
}

TEST_F(ScoringTest, ComparisonIsExactAndPointsAddUpInHalves)
{
    fillStandardPaper();
    for (int k = 1; k <= 3; ++k)
        ASSERT_TRUE(dir.execute(u"update sw1 set XXDA=DA where ID=%1"_s.arg(k)));
    ASSERT_TRUE(dir.execute(u"update sw1 set DA='BDA', XXDA='ABD' where ID=25"_s));
    ASSERT_TRUE(dir.execute(u"update sw1 set XXDA='ab' where ID=26"_s)); // DA is BCD
    ASSERT_TRUE(dir.execute(u"update sw1 set DA='AC', XXDA='AC ' where ID=47"_s));
    ASSERT_NE(sitPaper(), nullptr);
    handIn();
    EXPECT_EQ(storedScore(), u"4.5"_s);
    EXPECT_EQ(card().colour(3), ExamCard::right);
    EXPECT_EQ(card().colour(25), ExamCard::wrong);
    EXPECT_EQ(card().colour(47), ExamCard::wrong);
}

TEST_F(ScoringTest, SayingNoChangesNothing)
{
    fillStandardPaper();
    ASSERT_TRUE(dir.execute(u"update swdeifen set DF='12' where ID=1"_s));
    ASSERT_NE(sitPaper(), nullptr);
    handIn(ButtonNo);
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"确定要交卷吗？"_s});
    EXPECT_EQ(storedScore(), u"12"_s);
    EXPECT_EQ(card().colour(1), ExamCard::current);
    EXPECT_EQ(card().colour(2), ExamCard::notAnswered);
}

TEST_F(ScoringTest, AScoreThatCannotBeStoredIsReportedAsAnError)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    ASSERT_TRUE(dir.execute(u"delete from swdeifen where ID=1"_s));
    handIn();
    EXPECT_EQ(fakes.messageBox.texts().last(), u"错误代码！"_s) << "an update that stores nothing failed";
    EXPECT_EQ(countColoured(ExamCard::wrong), 61) << "the colours stay";

    ASSERT_TRUE(dir.execute(u"drop table swdeifen"_s));
    handIn();
    EXPECT_EQ(fakes.messageBox.texts().last(), u"错误代码！"_s);
    EXPECT_EQ(fakes.messageBox.shown.last().style, 0);
}

TEST_F(ScoringTest, APaperThatCannotBeReadAtHandInIsNotScored)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    ASSERT_TRUE(dir.execute(u"drop table sw1"_s));
    handIn();
    EXPECT_EQ(get<Label>(u"标签_题号"_s)->caption(), u"-1"_s);
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"确定要交卷吗？"_s});
    EXPECT_EQ(storedScore(), QString());
}

TEST_F(ScoringTest, WhenTheTimeRunsOutThePaperIsHandedInWithoutAsking)
{
    fillStandardPaper();
    ASSERT_TRUE(dir.execute(u"update sw1 set XXDA=DA where ID=1"_s));
    ASSERT_NE(sitPaper(), nullptr);
    get<Timer>(u"时钟1"_s)->setInterval(1000); // no real tick within this test
    for (int i = 1; i <= 7200; ++i)
        tick();
    EXPECT_EQ(get<Label>(u"标签_倒计时"_s)->caption(), u"00:00:01"_s);
    EXPECT_TRUE(fakes.messageBox.shown.isEmpty());
    tick();
    EXPECT_EQ(get<Label>(u"标签_倒计时"_s)->caption(), u"00:00:00"_s);
    EXPECT_EQ(get<Timer>(u"时钟1"_s)->interval(), 0);
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{scoreMessage(u"1.5"_s)});
    EXPECT_EQ(storedScore(), u"1.5"_s);
}

TEST_F(ScoringTest, TimeRunningOutDuringAHandInWaitsForItThenHandsInAgain)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    get<Timer>(u"时钟1"_s)->setInterval(1000);
    for (int i = 1; i <= 7199; ++i)
        tick();
    // The last second runs out while the confirmation is open, and the next tick comes.
    messageBox.whileOpen = [this](const QString& text) {
        if (text == u"确定要交卷吗？"_s) {
            tick();
            tick();
        }
    };
    handIn();
    EXPECT_EQ(fakes.messageBox.texts(), (QStringList{u"确定要交卷吗？"_s, scoreMessage(u"0"_s)}));
    EXPECT_EQ(get<Timer>(u"时钟1"_s)->interval(), 1000) << "the timed hand-in is still due";
    tick();
    EXPECT_EQ(fakes.messageBox.texts().size(), 3);
    EXPECT_EQ(fakes.messageBox.texts().last(), scoreMessage(u"0"_s));
    EXPECT_EQ(get<Timer>(u"时钟1"_s)->interval(), 0);
}

TEST_F(ScoringTest, RowsBeyondTheCardAreScoredWithoutAColour)
{
    QList<BankQuestion> questions;
    for (int k = 1; k <= 80; ++k) {
        questions << test::TempProgramDir::question(k, {}, u"单选题"_s, u"A"_s);
        questions.last().xxda = u"A"_s;
    }
    ASSERT_TRUE(dir.insertQuestions(u"sw1"_s, questions));
    ASSERT_NE(sitPaper(), nullptr);
    handIn();
    EXPECT_EQ(storedScore(), u"120"_s);
    EXPECT_EQ(card().item(25), nullptr);
    EXPECT_EQ(card().colour(24), ExamCard::right);
}

} // namespace
} // namespace mirevo
