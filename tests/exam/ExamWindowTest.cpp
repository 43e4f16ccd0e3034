#include "CheckBox.h"
#include "ComboBox.h"
#include "EditBox.h"
#include "ExamTestSupport.h"
#include "Label.h"
#include "PictureButton.h"
#include "RadioBox.h"
#include "Timer.h"

#include <QGuiApplication>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

const QStringList optionNames = {u"单选框_A"_s,    u"单选框_B"_s,   u"单选框_C"_s, u"单选框_D"_s,
                                 u"选择框_A"_s,    u"选择框_B"_s,   u"选择框_C"_s, u"选择框_D"_s,
                                 u"单选框_正确"_s, u"单选框_错误"_s};

class ExamWindowTest : public test::ExamTest
{
protected:
    QString caption(const QString& name) const { return get<Label>(name)->caption(); }
    QStringList shownOptions() const
    {
        QStringList shown;
        for (const QString& name : optionNames) {
            if (get<QWidget>(name)->isVisibleTo(exam))
                shown << name;
        }
        return shown;
    }
    QStringList checkedOptions() const
    {
        QStringList checked;
        for (const QString& name : optionNames) {
            if (get<QAbstractButton>(name)->isChecked())
                checked << name;
        }
        return checked;
    }
    void tick() { emit get<Timer>(u"时钟1"_s)->tick(); }
};

TEST_F(ExamWindowTest, AFreshPaperOpensOnQuestionOneWithTheCountdownAtTwoHours)
{
    QList<BankQuestion> questions;
    for (int k = 1; k <= 61; ++k)
        questions << test::TempProgramDir::question(k * 10, {}, test::questionType(k),
                                                    test::standardAnswer(k));
    questions[0].xxa = u"\u3000 库存现金  "_s;
    ASSERT_TRUE(dir.insertQuestions(u"sw1"_s, {questions.rbegin(), questions.rend()}));
    ASSERT_NE(sitPaper(1), nullptr);

    EXPECT_EQ(exam->title(), u"Mirevo"_s);
    EXPECT_EQ(caption(u"标签_题号"_s), u"1"_s);
    EXPECT_EQ(caption(u"标签_题型"_s), u"一、单项选择题(本类题共24小题，每小题1.5分，共36分。)"_s);
    EXPECT_EQ(get<EditBox>(u"编辑框_tm"_s)->content(), questions[0].tm + u"\r\n\r\n\r\n"_s);
    EXPECT_EQ(shownOptions(), optionNames.mid(0, 4));
    EXPECT_EQ(get<RadioBox>(u"单选框_A"_s)->caption(), u"A.库存现金"_s);
    EXPECT_EQ(get<RadioBox>(u"单选框_D"_s)->caption(), u"D.选项D"_s);
    EXPECT_TRUE(checkedOptions().isEmpty());
    EXPECT_EQ(caption(u"标签_答案"_s), test::standardAnswer(1));
    EXPECT_EQ(get<EditBox>(u"编辑框_答题解析"_s)->content(), questions[0].jx);
    EXPECT_EQ(session().examQuestionIds.size(), 61);
    EXPECT_EQ(session().examQuestionIds.first(), 10) << "numbered by ascending ID";
    EXPECT_EQ(state.currentSql, u"select top 1 * from sw1 where ID=10"_s);

    EXPECT_EQ(get<Timer>(u"时钟1"_s)->interval(), 1000);
    tick();
    EXPECT_EQ(caption(u"标签_倒计时"_s), u"02:00:00"_s);
    tick();
    EXPECT_EQ(caption(u"标签_倒计时"_s), u"01:59:59"_s);
}

TEST_F(ExamWindowTest, StoredAnswersArePresetWithoutBeingWrittenAgain)
{
    fillStandardPaper();
    ASSERT_TRUE(dir.execute(u"update sw1 set XXDA='ABD' where ID=25"_s));
    ASSERT_TRUE(dir.execute(u"update sw1 set XXDA='错误' where ID=37"_s));
    ASSERT_TRUE(dir.execute(u"update sw1 set XXDA='C' where ID=2"_s));
    ASSERT_NE(sitPaper(), nullptr);

    const QList<std::tuple<int, QStringList, QString>> cases = {
        {2, {u"单选框_C"_s}, u"一、单项选择题"_s},
        {3, {}, u"一、单项选择题"_s},
        {25, {u"选择框_A"_s, u"选择框_B"_s, u"选择框_D"_s}, u"二、多项选择题"_s},
        {37, {u"单选框_错误"_s}, u"三、判断题"_s},
        {47, {}, u"四、不定项选择题"_s},
    };
    for (const auto& [k, checked, header] : cases) {
        examiner()->showExamQuestion(k);
        EXPECT_EQ(checkedOptions(), checked) << k;
        EXPECT_TRUE(caption(u"标签_题型"_s).startsWith(header)) << k;
        EXPECT_TRUE(caption(u"标签_你的答案"_s).isEmpty());
    }
    EXPECT_EQ(shownOptions(), optionNames.mid(4, 4)) << "indefinite choice shows the check boxes";
    examiner()->showExamQuestion(37);
    EXPECT_EQ(shownOptions(), optionNames.mid(8, 2));
    EXPECT_EQ(storedAnswer(2), u"C"_s);
    EXPECT_EQ(storedAnswer(3), QString()) << "showing never writes";
}

TEST_F(ExamWindowTest, StepsPastEitherEndOnlySayWhere)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    click(u"按钮_上一题1"_s);
    examiner()->showExamQuestion(62);
    for (int k = 1; k < 61; ++k)
        click(u"按钮_下一题1"_s);
    EXPECT_EQ(caption(u"标签_题号"_s), u"61"_s);
    click(u"按钮_下一题1"_s);
    EXPECT_EQ(fakes.messageBox.texts(), (QStringList{u"第一题"_s, u"最后一题！"_s, u"最后题"_s}));
    EXPECT_EQ(caption(u"标签_题号"_s), u"61"_s);
    EXPECT_EQ(session().answerCard.colour(61), ExamCard::current);
    EXPECT_EQ(session().answerCard.colour(60), ExamCard::notAnswered);
}

TEST_F(ExamWindowTest, LeavingPaintsMarkedItemsRedUntouchedOnesWhiteAndTheNewOneYellow)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    const ExamCard& card = session().answerCard;
    click(u"选择框_标记"_s);
    EXPECT_EQ(card.colour(1), ExamCard::marked);
    EXPECT_EQ(card.state(1), ExamCard::Marked);
    click(u"按钮_下一题1"_s);
    EXPECT_EQ(card.colour(1), ExamCard::wrong);
    EXPECT_EQ(card.colour(2), ExamCard::current);
    EXPECT_FALSE(get<CheckBox>(u"选择框_标记"_s)->isChecked()) << "every question starts unmarked";
    click(u"按钮_下一题1"_s);
    EXPECT_EQ(card.colour(2), ExamCard::notAnswered);
    click(u"选择框_标记"_s);
    click(u"选择框_标记"_s);
    EXPECT_EQ(card.state(3), ExamCard::Untouched) << "marking twice takes the mark off";
    EXPECT_EQ(card.colour(3), ExamCard::notAnswered);
    click(u"按钮_上一题1"_s);
    EXPECT_EQ(card.colour(3), ExamCard::notAnswered);
    EXPECT_EQ(card.colour(2), ExamCard::current);
    EXPECT_EQ(caption(u"标签_题号"_s), u"2"_s);
}

TEST_F(ExamWindowTest, TheFontListAppliesAndStoresItsCode)
{
    fillStandardPaper();
    ASSERT_EQ(settings.writeNumber(AnswerFontCode, 4), 0);
    ASSERT_NE(sitPaper(), nullptr);
    auto* fonts = get<ComboBox>(u"组合框_字体设置"_s);
    EXPECT_EQ(fonts->selectedIndex(), 4);
    EXPECT_EQ(get<QWidget>(u"编辑框_tm"_s)->font().pointSize(), 14);
    EXPECT_EQ(get<QWidget>(u"单选框_错误"_s)->font().pointSize(), 14);

    fonts->setFocus();
    QTest::keyClick(fonts, Qt::Key_Up);
    EXPECT_EQ(fonts->selectedIndex(), 3);
    EXPECT_EQ(get<QWidget>(u"选择框_B"_s)->font().pointSize(), 13);
    EXPECT_EQ(settings.readNumber(AnswerFontCode), 3);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(fonts, Qt::Key_Up);
    EXPECT_EQ(fonts->selectedIndex(), 0);
    EXPECT_EQ(get<QWidget>(u"选择框_B"_s)->font().pointSize(), 11) << "the empty item keeps the font";
    EXPECT_EQ(settings.readNumber(AnswerFontCode), 0);
}

TEST_F(ExamWindowTest, MaximizedTheQuestionAreaAndToolbarStretchWhileTheCardStays)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int w = exam->width();
    const int h = exam->height();
    EXPECT_EQ(exam->frameGeometry(), area);
    EXPECT_EQ(get<QWidget>(u"图片框1"_s)->width(), w);
    EXPECT_EQ(get<QWidget>(u"图片框2"_s)->x(), w - 192 - 50);
    EXPECT_EQ(get<QWidget>(u"按钮_交卷"_s)->x(), w - 50 - 51);
    EXPECT_EQ(get<QWidget>(u"图片框3"_s)->geometry(), QRect(162, h - 48 - 35, w - 162, 48));
    const int areaHeight = h - 48 - 165;
    EXPECT_EQ(get<QWidget>(u"画板1"_s)->geometry(), QRect(164, 125, w - 164, areaHeight));
    EXPECT_EQ(get<QWidget>(u"画板2"_s)->size(), QSize(w - 164, areaHeight - 91));
    EXPECT_EQ(get<QWidget>(u"编辑框_tm"_s)->size(), QSize(w - 164 - 51, areaHeight - 91 - 168 - 15));
    EXPECT_EQ(get<QWidget>(u"图片框4"_s)->geometry(), QRect(30, areaHeight - 91 - 178, w - 164 - 101, 168));
    EXPECT_EQ(get<QWidget>(u"选择框_C"_s)->width(), w - 164 - 111);
    EXPECT_EQ(get<QWidget>(u"图片框6"_s)->geometry(), QRect(3, 148, 159, 425));
    EXPECT_EQ(get<QWidget>(u"单选框_正确"_s)->pos(), QPoint(147, 56));
}

TEST_F(ExamWindowTest, CentredItKeepsItsDesignedLayout)
{
    fillStandardPaper();
    ASSERT_EQ(settings.writeNumber(ExamWindowState, 1), 0);
    ASSERT_NE(sitPaper(), nullptr);
    EXPECT_EQ(exam->size(), QSize(1006, 738));
    EXPECT_EQ(exam->frameGeometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
    EXPECT_EQ(get<QWidget>(u"透明标签1"_s)->x(), 379);
    EXPECT_EQ(get<QWidget>(u"图片框3"_s)->geometry(), QRect(162, 655, 844, 48));
    EXPECT_EQ(get<QWidget>(u"编辑框_tm"_s)->size(), QSize(791, 251));
}

TEST_F(ExamWindowTest, CalculatorAndClosingGoThroughTheirServicesAndBackToTheCatalogue)
{
    fillStandardPaper();
    ASSERT_NE(sitPaper(), nullptr);
    click(u"按钮2"_s);
    EXPECT_EQ(fakes.process.calculatorStarts, 1);

    ASSERT_TRUE(dir.execute(u"update swdeifen set DF='42' where ID=1"_s));
    ASSERT_TRUE(QTest::qWaitForWindowActive(exam));
    fakes.messageBox.answers = {ButtonNo};
    QTest::keyClick(exam, Qt::Key_Escape);
    test::settle();
    EXPECT_EQ(fakes.messageBox.texts().value(0), u"考试尚未交卷，确定要退出吗？"_s);
    ASSERT_FALSE(exam.isNull()) << "No keeps the sitting running";
    EXPECT_FALSE(mainWindow->isVisible());

    fakes.messageBox.answers = {ButtonYes};
    QTest::keyClick(exam, Qt::Key_Escape);
    test::settle();
    EXPECT_TRUE(exam.isNull());
    EXPECT_EQ(loginWindow(), nullptr);
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_EQ(mainWindow->control<Grid>(u"高级表格2"_s)->cell(1, 2), u"42"_s);
    EXPECT_EQ(storedAnswer(1), QString()) << "closing hands nothing in";
}

TEST_F(ExamWindowTest, APaperThatCannotBeOpenedShowsMinusOneAndTheControlsActOnNothing)
{
    ASSERT_TRUE(dir.execute(u"drop table sw1"_s));
    ASSERT_NE(sitPaper(), nullptr);
    EXPECT_EQ(caption(u"标签_题号"_s), u"-1"_s);
    EXPECT_TRUE(exam->findChildren<PictureButton*>().size() == 1) << "no card, only its template";
    const QString sql = state.currentSql;
    click(u"按钮_下一题1"_s);
    click(u"按钮_上一题1"_s);
    click(u"选择框_标记"_s);
    choose(u"单选框_A"_s);
    EXPECT_EQ(state.currentSql, sql);
    EXPECT_TRUE(fakes.messageBox.shown.isEmpty());
}

} // namespace
} // namespace mirevo
