#include "PracticeFixture.h"

#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace mirevo::test {
namespace {

using PracticeRecordingTest = PracticeFixture;

TEST_F(PracticeRecordingTest, SingleChoiceIsStoredAtOnceAndColoursTheMarkedCell)
{
    insert({question(1, u"单选题"_s, u"B"_s), question(2, u"单选题"_s, u"B"_s)});
    start();
    openChapter();
    click(u"单选框_单选B"_s);
    EXPECT_EQ(bankValue(u"XXDA"_s, 1), u"B"_s);
    EXPECT_TRUE(raised(1));
    EXPECT_EQ(cell(1)->backColour(), cyan);
    click(u"单选框_单选B"_s);
    EXPECT_EQ(state.currentSql, u"update swzj set  XXDA='B' where ID=1"_s);
    EXPECT_EQ(cell(1)->backColour(), cyan);

    click(u"按钮_下一题"_s);
    EXPECT_EQ(cell(1)->backColour(), cyan) << "an answered cell keeps its colour";
    EXPECT_EQ(cell(2)->backColour(), yellow);
    click(u"单选框_单选A"_s);
    EXPECT_EQ(bankValue(u"XXDA"_s, 2), u"A"_s);
    EXPECT_EQ(cell(2)->backColour(), magenta);
    EXPECT_TRUE(fakes.messageBox.shown.isEmpty());
}

TEST_F(PracticeRecordingTest, MultipleChoiceStoresTheTickedLettersInFixedOrder)
{
    insert({question(1, u"多选题"_s, u"AD"_s), question(2, u"多选题"_s, u"DA"_s)});
    start();
    openChapter();
    const QList<std::pair<QString, QString>> steps = {
        {u"D"_s, u"D"_s}, {u"A"_s, u"AD"_s}, {u"A"_s, u"D"_s}, {u"D"_s, u""_s}};
    for (const auto& [box, stored] : steps) {
        click(u"选择框_多选"_s + box);
        EXPECT_EQ(bankValue(u"XXDA"_s, 1), stored);
    }
    click(u"选择框_多选A"_s);
    click(u"选择框_多选D"_s);
    EXPECT_EQ(cell(1)->backColour(), cyan);

    click(u"按钮_下一题"_s);
    click(u"选择框_多选D"_s);
    click(u"选择框_多选A"_s);
    EXPECT_EQ(bankValue(u"XXDA"_s, 2), u"AD"_s);
    EXPECT_EQ(cell(2)->backColour(), magenta) << "the standard answer DA is not in fixed order";
}

TEST_F(PracticeRecordingTest, TrueOrFalseStoresTheWord)
{
    insert({question(1, u"判断题"_s, u"正确"_s)}, u"jczj"_s);
    start(2);
    openChapter();
    click(u"单选框_判断错误"_s);
    EXPECT_EQ(bankValue(u"XXDA"_s, 1, u"jczj"_s), u"错误"_s);
    EXPECT_EQ(cell(1)->backColour(), magenta);
    click(u"单选框_判断正确"_s);
    EXPECT_FALSE(checked(u"单选框_判断错误"_s));
    EXPECT_EQ(bankValue(u"XXDA"_s, 1, u"jczj"_s), u"正确"_s);
    EXPECT_EQ(cell(1)->backColour(), cyan);
}

TEST_F(PracticeRecordingTest, PressWithoutClickMarksAndKeyboardChoiceColoursLikeTheMouse)
{
    insert({question(1), question(2)});
    start();
    openChapter();
    auto* a = get<QWidget>(u"单选框_单选A"_s);
    QTest::mousePress(a, Qt::LeftButton, {}, a->rect().center());
    QTest::mouseRelease(a, Qt::LeftButton, {}, QPoint(300, 300));
    EXPECT_TRUE(raised(1));
    EXPECT_EQ(cell(1)->backColour(), yellow);
    EXPECT_TRUE(bankValue(u"XXDA"_s, 1).toString().isEmpty());

    click(u"按钮_下一题"_s);
    auto* b = get<QWidget>(u"单选框_单选B"_s);
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Space);
    EXPECT_EQ(bankValue(u"XXDA"_s, 2), u"B"_s);
    EXPECT_TRUE(raised(2));
    EXPECT_EQ(cell(2)->backColour(), magenta);
    QTest::keyClick(b, Qt::Key_Up);
    EXPECT_EQ(bankValue(u"XXDA"_s, 2), u"A"_s) << "an arrow key chooses the next radio";
    EXPECT_EQ(cell(2)->backColour(), cyan);
}

TEST_F(PracticeRecordingTest, AnswerThatCannotBeStoredIsReportedAndNotColoured)
{
    insert({question(1, u"单选题"_s, u"B"_s)});
    start();
    openChapter();
    refuseUpdates();
    click(u"单选框_单选B"_s);
    ASSERT_EQ(fakes.messageBox.texts(), QStringList{u"错误代码！"_s});
    EXPECT_EQ(fakes.messageBox.shown[0].style, 0);
    EXPECT_EQ(fakes.messageBox.shown[0].title, u"信息："_s);
    EXPECT_EQ(cell(1)->backColour(), yellow);
    EXPECT_TRUE(bankValue(u"XXDA"_s, 1).toString().isEmpty());
}

TEST_F(PracticeRecordingTest, LeavingAQuestionStoresTheShownAnswerAgain)
{
    BankQuestion untouched = question(1, u"多选题"_s);
    untouched.xxda = QString();
    insert({untouched, question(2, u"单选题"_s, u"C"_s), question(3)});
    start();
    openChapter();
    click(u"按钮_下一题"_s);
    EXPECT_EQ(bankValue(u"XXDA"_s, 1), u""_s) << "an unanswered question stays unanswered";
    click(u"单选框_单选C"_s);
    click(u"按钮_下一题"_s);
    EXPECT_EQ(cell(2)->backColour(), cyan);
    click(u"按钮_上一题"_s);
    EXPECT_EQ(cell(2)->backColour(), yellow);
    click(u"按钮_下一题"_s);
    EXPECT_EQ(cell(2)->backColour(), cyan);
}

TEST_F(PracticeRecordingTest, AnswersSurviveARestartAndComeBackPresetOnAColouredCard)
{
    insert({question(1), question(2, u"判断题"_s, u"错误"_s)});
    start();
    openChapter();
    click(u"单选框_单选D"_s);
    click(u"按钮_下一题"_s);
    click(u"单选框_判断错误"_s);
    closePractice();
    stop();

    start();
    openChapter();
    EXPECT_TRUE(checked(u"单选框_单选D"_s));
    click(u"按钮_下一题"_s);
    EXPECT_TRUE(checked(u"单选框_判断错误"_s));
    EXPECT_TRUE(raised(1));
    EXPECT_EQ(cell(1)->backColour(), magenta) << "D is wrong";
    EXPECT_EQ(cell(2)->backColour(), yellow);
    click(u"按钮_上一题"_s);
    EXPECT_EQ(cell(2)->backColour(), cyan) << "错误 is right";
}

void turnWheel(QWidget* target, int notches)
{
    const QPointF at = QRectF(target->rect()).center();
    QWheelEvent event(at, target->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

struct CardCase
{
    int questions;
    QPoint lastCell;
    bool scrolls;
    int sheetHeight;
};

class CardLayoutTest : public PracticeFixture, public ::testing::WithParamInterface<CardCase>
{};

TEST_P(CardLayoutTest, FiveCellsToARowAndScrollingAboveForty)
{
    QList<BankQuestion> questions;
    for (int id = 1; id <= GetParam().questions; ++id)
        questions.append(question(id));
    insert(questions);
    start();
    openChapter();
    ASSERT_EQ(cellCount(), GetParam().questions);
    EXPECT_EQ(cell(GetParam().questions)->pos(), GetParam().lastCell);
    EXPECT_EQ(cell(1)->pos(), QPoint(14, 5));
    EXPECT_EQ(cell(1)->size(), QSize(25, 25));
    EXPECT_EQ(cell(1)->backColour(), yellow);
    EXPECT_EQ(cell(2)->backColour(), white);
    EXPECT_TRUE(get<QWidget>(u"超级按钮_通用"_s)->isHidden());
    EXPECT_EQ(get<QWidget>(u"纵向滚动条_通用"_s)->isVisible(), GetParam().scrolls);
    EXPECT_EQ(get<QWidget>(u"图片框_通用"_s)->height(), GetParam().sheetHeight);
    if (GetParam().scrolls) {
        EXPECT_EQ(get<ScrollBar>(u"纵向滚动条_通用"_s)->maxPosition(), GetParam().sheetHeight);
    } else {
        turnWheel(get<QWidget>(u"画板_通用"_s), -1);
        EXPECT_EQ(get<QWidget>(u"图片框_通用"_s)->y(), 0) << "a card that fits does not scroll";
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, CardLayoutTest,
                         ::testing::Values(CardCase{2, {44, 5}, false, 381},
                                           CardCase{7, {44, 37}, false, 381},
                                           CardCase{40, {134, 229}, false, 381},
                                           CardCase{41, {14, 261}, true, 294},
                                           CardCase{100, {134, 613}, true, 672}));

TEST_F(PracticeRecordingTest, CardCellJumpsToItsQuestionAndMovesTheCurrentColour)
{
    QList<BankQuestion> questions;
    for (int id = 1; id <= 15; ++id)
        questions.append(question(id * 10, u"单选题"_s, u"B"_s));
    insert(questions);
    start();
    openChapter();
    click(u"按钮_下一题"_s);
    click(u"按钮_下一题"_s);
    click(u"单选框_单选B"_s);
    click(u"按钮_显示答案"_s);
    QTest::mouseClick(cell(12), Qt::LeftButton);
    EXPECT_EQ(caption(u"标签_通用号"_s), u"12"_s);
    EXPECT_TRUE(get<EditBox>(u"编辑框1"_s)->content().startsWith(u"第120题"_s));
    EXPECT_EQ(get<QWidget>(u"外形框_通用"_s)->height(), 100);
    EXPECT_EQ(cell(12)->backColour(), yellow);
    EXPECT_EQ(cell(3)->backColour(), cyan);

    QTest::mouseClick(cell(5), Qt::LeftButton);
    EXPECT_EQ(cell(12)->backColour(), white);
    EXPECT_EQ(cell(5)->backColour(), yellow);
    int yellowCells = 0;
    for (int k = 1; k <= 15; ++k)
        yellowCells += cell(k)->backColour() == yellow;
    EXPECT_EQ(yellowCells, 1);
}

TEST_F(PracticeRecordingTest, WheelAndScrollBarMoveTheSheetBetweenRestAndMaximum)
{
    QList<BankQuestion> questions;
    for (int id = 1; id <= 100; ++id)
        questions.append(question(id));
    insert(questions);
    start();
    openChapter();
    auto* bar = get<ScrollBar>(u"纵向滚动条_通用"_s);
    auto* sheet = get<QWidget>(u"图片框_通用"_s);
    turnWheel(bar, 1);
    EXPECT_EQ(bar->position(), 1);
    EXPECT_EQ(sheet->y(), 0);
    for (const int expected : {101, 201, 301}) {
        turnWheel(bar, -1);
        EXPECT_EQ(bar->position(), expected);
        EXPECT_EQ(sheet->y(), -expected);
    }
    for (int i = 0; i < 5; ++i)
        turnWheel(get<QWidget>(u"画板_通用"_s), -1);
    EXPECT_EQ(bar->position(), 672);
    EXPECT_EQ(sheet->y(), -672) << "the whole sheet is out of view";
    turnWheel(bar, 2);
    EXPECT_EQ(bar->position(), 572);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(sheet->y(), -562);
    for (int i = 0; i < 7; ++i)
        turnWheel(bar, 1);
    EXPECT_EQ(bar->position(), 1);
    EXPECT_EQ(sheet->y(), 0);
}

// A long chapter opens with the cells in view and makes the others while the window is idle;
// until then a cell keeps what it will show, and scrolling makes the cells it brings into view.
TEST_F(PracticeRecordingTest, ALongCardMakesTheCellsInViewFirstAndShowsStoredAnswersOnEveryCell)
{
    constexpr int count = 600;
    QList<BankQuestion> questions;
    for (int id = 1; id <= count; ++id) {
        BankQuestion q = question(id);
        if (id == 300)
            q.xxda = u"A"_s; // right
        if (id == 301)
            q.xxda = u"C"_s; // wrong
        questions.append(q);
    }
    insert(questions);
    start();
    openChapter();
    const qsizetype madeAtOpening = madeCardCells(practice()).size();
    EXPECT_GE(madeAtOpening, 60) << "every cell the viewport shows";
    EXPECT_LT(madeAtOpening, count);

    // 19 notches bring row 60 (cells 296 … 300) into view: made at once, with their stored look.
    auto* bar = get<ScrollBar>(u"纵向滚动条_通用"_s);
    for (int i = 0; i < 19; ++i)
        turnWheel(bar, -1);
    const auto madeNow = [this](int k) {
        for (PictureButton* c : madeCardCells(practice())) {
            if (c->caption() == QString::number(k))
                return c;
        }
        return static_cast<PictureButton*>(nullptr);
    };
    ASSERT_NE(madeNow(300), nullptr) << "scrolled into view, so made before anything else runs";
    EXPECT_EQ(madeNow(300)->backColour(), cyan);
    EXPECT_EQ(madeNow(300)->buttonStyle(), PictureButton::Raised);
    ASSERT_NE(madeNow(301), nullptr);
    EXPECT_EQ(madeNow(301)->backColour(), magenta);
    EXPECT_EQ(madeNow(296)->pos(), QPoint(14, 32 * 59 + 5));

    // A jump from the card far down moves the current colour over cells made late.
    QTest::mouseClick(madeNow(301), Qt::LeftButton);
    EXPECT_EQ(caption(u"标签_通用号"_s), u"301"_s);
    EXPECT_EQ(cell(301)->backColour(), yellow);
    EXPECT_EQ(cell(1)->backColour(), white);
    EXPECT_EQ(cellCount(), count) << "the rest is made while the window is idle";
    EXPECT_EQ(cell(count)->pos(), QPoint(134, 32 * 119 + 5));
    EXPECT_EQ(cell(300)->backColour(), cyan);
}

} // namespace
} // namespace mirevo::test
