#include "PracticeClock.h"
#include "PracticeFixture.h"
#include "PracticeStatements.h"

#include <QScreen>

using namespace Qt::StringLiterals;

namespace mirevo::test {
namespace {

const QStringList allOptions = {
    u"单选框_单选A"_s, u"单选框_单选B"_s, u"单选框_单选C"_s, u"单选框_单选D"_s,    u"选择框_多选A"_s,
    u"选择框_多选B"_s, u"选择框_多选C"_s, u"选择框_多选D"_s, u"单选框_判断正确"_s, u"单选框_判断错误"_s};

class PracticeWindowTest : public PracticeFixture
{
protected:
    // With no question to act on, nothing may be stored, marked or coloured.
    void expectNothingToActOn()
    {
        const QString sql = state.currentSql;
        for (const QString& name : allOptions)
            EXPECT_TRUE(get<QWidget>(name)->isHidden()) << name.toStdString();
        EXPECT_FALSE(get<QWidget>(u"按钮_收藏本题"_s)->isEnabled());
        EXPECT_TRUE(get<QWidget>(u"超级按钮_通用"_s)->isHidden());
        EXPECT_TRUE(get<QWidget>(u"纵向滚动条_通用"_s)->isHidden());
        for (const QString& name :
             {u"按钮_上一题"_s, u"按钮_下一题"_s, u"按钮_收藏本题"_s, u"单选框_单选A"_s, u"超级按钮_通用"_s})
            click(name);
        EXPECT_EQ(state.currentSql, sql);
    }
};

TEST_F(PracticeWindowTest, OpensMaximizedOverTheWorkAreaAndGivesTheMainWindowBackOnClose)
{
    insert({question(1)}, u"jczj"_s);
    start(2);
    Window* window = openChapter();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->title(), u" 章节练习-经济法基础"_s);
    EXPECT_EQ(window->frameGeometry(), QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(get<Timer>(u"时钟1"_s)->interval(), 999);
    EXPECT_EQ(caption(u"标签_通用答题时间"_s), u"00:00:00"_s);
    EXPECT_EQ(caption(u"标签_通用号"_s), u"1"_s);
    EXPECT_EQ(get<QWidget>(u"外形框_通用"_s)->height(), 100);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Escape);
    settle();
    EXPECT_EQ(practice(), nullptr);
    EXPECT_TRUE(main->isVisible());
}

TEST_F(PracticeWindowTest, LaysOutOnEverySizeFromTheOuterSize)
{
    insert({question(1)});
    start();
    ASSERT_EQ(settings.writeNumber(PracticeWindowState, 1), 0);
    Window* window = openChapter();
    EXPECT_EQ(window->pos(), QPoint(50, 50));
    EXPECT_EQ(window->size(), QSize(921, 667));
    const auto expectLayout = [&] {
        const int w = window->outerWidth();
        const int h = window->outerHeight();
        EXPECT_EQ(get<QWidget>(u"透明标签_题型"_s)->x(), w / 2);
        EXPECT_EQ(get<QWidget>(u"标签_通用号"_s)->x(), w / 2 + 56);
        EXPECT_EQ(get<QWidget>(u"图片框1"_s)->width(), w);
        EXPECT_EQ(get<QWidget>(u"画板4"_s)->x(), w - 222);
        EXPECT_EQ(get<QWidget>(u"画板4"_s)->height(), h - 91);
        EXPECT_EQ(get<QWidget>(u"编辑框1"_s)->width(), w - 227);
        EXPECT_EQ(get<QWidget>(u"画板_通用"_s)->height(), h - 91 - 201);
        EXPECT_EQ(get<QWidget>(u"纵向滚动条_通用"_s)->height(), h - 91 - 198);
        EXPECT_EQ(get<QWidget>(u"编辑框_答案解析"_s)->width(), 605);
    };
    expectLayout();
    window->setFixedSize(1280 - (window->outerWidth() - window->width()), 800);
    EXPECT_EQ(get<QWidget>(u"透明标签_题型"_s)->x(), 640);
    EXPECT_EQ(get<QWidget>(u"编辑框1"_s)->width(), 1053);
    expectLayout();
}

TEST_F(PracticeWindowTest, PractisesInAscendingIdOrderShowingEachQuestionAsStored)
{
    QList<BankQuestion> questions = {question(7, u"判断题"_s, u"正确"_s), question(3),
                                     question(12, u"多选题"_s)};
    questions[1].xxb = u"  乙 "_s;
    questions[1].xxc = u"\u3000丙"_s;
    questions[1].xxd = QString();
    // A table without a key gives its rows in the order written, here not the order of IDs.
    ASSERT_TRUE(dir.execute(u"DROP TABLE swzj"_s));
    ASSERT_TRUE(dir.execute(u"CREATE TABLE swzj (ID INTEGER, zj TEXT, TM TEXT, TX TEXT, XXA TEXT, XXB TEXT, "
                            u"XXC TEXT, XXD TEXT, DA TEXT, JX TEXT, shucang TEXT, XXDA TEXT)"_s));
    insert(questions);
    start();
    openChapter();
    EXPECT_EQ(get<EditBox>(u"编辑框1"_s)->content(),
              u"第3题：下列说法正确的是\r\n\r\n\r\nA.选项A\r\nB.乙\r\nC.丙\r\nD.\r\n"_s);
    EXPECT_EQ(caption(u"透明标签_题型"_s), u"单选题"_s);
    EXPECT_EQ(caption(u"标签_单选答案"_s), u"A"_s);
    EXPECT_EQ(get<EditBox>(u"编辑框_答案解析"_s)->content(), u"解析3"_s);
    click(u"按钮_下一题"_s);
    EXPECT_EQ(get<EditBox>(u"编辑框1"_s)->content(), u"第7题：下列说法正确的是\r\n\r\n\r\n"_s);
    EXPECT_TRUE(get<QWidget>(u"单选框_判断正确"_s)->isVisible());
    EXPECT_TRUE(get<QWidget>(u"单选框_单选A"_s)->isHidden());
    click(u"按钮_下一题"_s);
    EXPECT_TRUE(get<EditBox>(u"编辑框1"_s)->content().startsWith(u"第12题"_s));
    EXPECT_TRUE(get<QWidget>(u"选择框_多选A"_s)->isVisible());
    EXPECT_TRUE(get<QWidget>(u"单选框_判断正确"_s)->isHidden());
}

struct PresetCase
{
    QString type;
    QString stored;
    QStringList checked;
};

class PresetTest : public PracticeFixture, public ::testing::WithParamInterface<PresetCase>
{};

TEST_P(PresetTest, StoredAnswerComesBackInTheOptionControls)
{
    BankQuestion q = question(1, GetParam().type);
    q.xxda = GetParam().stored;
    insert({q});
    start();
    openChapter();
    QStringList shown;
    for (const QString& name : allOptions) {
        if (checked(name))
            shown.append(name);
    }
    EXPECT_EQ(shown, GetParam().checked);
}

INSTANTIATE_TEST_SUITE_P(
    Types, PresetTest,
    ::testing::Values(
        PresetCase{u"单选题"_s, u"C"_s, {u"单选框_单选C"_s}}, PresetCase{u"单选题"_s, u"c"_s, {}},
        PresetCase{u"多选题"_s, u"DCA"_s, {u"选择框_多选A"_s, u"选择框_多选C"_s, u"选择框_多选D"_s}},
        PresetCase{u"多选题"_s, u"ad"_s, {}}, PresetCase{u"判断题"_s, u"错误"_s, {u"单选框_判断错误"_s}},
        PresetCase{u"判断题"_s, u"正确"_s, {u"单选框_判断正确"_s}}));

TEST_F(PracticeWindowTest, PanelButtonsMoveShowTheAnswerAndStartTheCalculator)
{
    insert({question(1), question(2)});
    start();
    openChapter();
    click(u"按钮_上一题"_s);
    click(u"按钮_显示答案"_s);
    EXPECT_EQ(get<QWidget>(u"外形框_通用"_s)->height(), 310);
    EXPECT_EQ(get<Button>(u"按钮_显示答案"_s)->caption(), u"隐藏答案"_s);
    click(u"按钮_下一题"_s);
    EXPECT_EQ(get<QWidget>(u"外形框_通用"_s)->height(), 100);
    EXPECT_EQ(get<Button>(u"按钮_显示答案"_s)->caption(), u"显示答案"_s);
    click(u"按钮_下一题"_s);
    EXPECT_EQ(caption(u"标签_通用号"_s), u"2"_s);
    EXPECT_EQ(fakes.messageBox.texts(), (QStringList{u"第一题"_s, u"最后题"_s}));
    click(u"按钮_计算器"_s);
    EXPECT_EQ(fakes.process.calculatorStarts, 1);
}

TEST_F(PracticeWindowTest, FavouriteToggleFollowsTheBank)
{
    insert({question(1)});
    start();
    openChapter();
    auto* toggle = get<Button>(u"按钮_收藏本题"_s);
    click(u"按钮_收藏本题"_s);
    EXPECT_EQ(toggle->caption(), u"取消收藏"_s);
    EXPECT_EQ(bankValue(u"shucang"_s, 1), u"YES"_s);
    click(u"按钮_收藏本题"_s);
    EXPECT_EQ(toggle->caption(), u"收藏本题"_s);
    EXPECT_EQ(bankValue(u"shucang"_s, 1), u""_s);

    refuseUpdates();
    click(u"按钮_收藏本题"_s);
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"错误代码！"_s});
    EXPECT_EQ(toggle->caption(), u"收藏本题"_s);
    EXPECT_EQ(bankValue(u"shucang"_s, 1), u""_s);
}

TEST_F(PracticeWindowTest, ClockCountsFromTheTickCounterAndRestartsAtZero)
{
    insert({question(1)});
    start();
    fakes.clock.now = 5000;
    openChapter();
    fakes.clock.now = 5000 + 3725 * 1000 + 999;
    emit get<Timer>(u"时钟1"_s)->tick();
    EXPECT_EQ(caption(u"标签_通用答题时间"_s), u"01:02:05"_s);
    closePractice();
    openChapter();
    emit get<Timer>(u"时钟1"_s)->tick();
    EXPECT_EQ(caption(u"标签_通用答题时间"_s), u"00:00:00"_s);
}

TEST(FormatElapsed, WritesEveryPartWithAtLeastTwoDigits)
{
    const QList<std::pair<qint64, QString>> cases = {
        {0, u"00:00:00"_s},    {7, u"00:00:07"_s},     {59, u"00:00:59"_s},     {60, u"00:01:00"_s},
        {3723, u"01:02:03"_s}, {36000, u"10:00:00"_s}, {360000, u"100:00:00"_s}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(PracticeClock::formatElapsed(seconds), text) << seconds;
}

class FontCodeTest : public PracticeFixture, public ::testing::WithParamInterface<std::pair<int, int>>
{};

TEST_P(FontCodeTest, CodeSetsTheQuestionSizeInPointsOrKeepsTheDesign)
{
    insert({question(1)});
    start();
    ASSERT_EQ(settings.writeNumber(AnswerFontCode, GetParam().first), 0);
    openChapter();
    const QFont font = get<QWidget>(u"编辑框1"_s)->font();
    if (GetParam().second == 0) {
        EXPECT_EQ(font.pixelSize(), 16);
    } else {
        EXPECT_EQ(font.pointSize(), GetParam().second);
    }
    EXPECT_TRUE(font.bold());
}

INSTANTIATE_TEST_SUITE_P(Codes, FontCodeTest,
                         ::testing::Values(std::pair{1, 11}, std::pair{3, 13}, std::pair{5, 15},
                                           std::pair{0, 0}, std::pair{6, 0}));

TEST_F(PracticeWindowTest, EmptyChapterSaysSoAndOffersNothingToAnswer)
{
    insert({question(1, u"单选题"_s, u"A"_s, u"2"_s)});
    start();
    openChapter(1);
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"最后一题！"_s});
    EXPECT_EQ(cellCount(), 0);
    expectNothingToActOn();
    EXPECT_EQ(fakes.messageBox.shown.size(), 1);
    EXPECT_TRUE(bankValue(u"XXDA"_s, 1).toString().isEmpty());
}

TEST_F(PracticeWindowTest, FailedListShowsMinusOneAndOffersNothingToAnswer)
{
    ASSERT_TRUE(dir.execute(u"DROP TABLE swzj"_s));
    start();
    openChapter(1);
    EXPECT_EQ(caption(u"标签_通用号"_s), u"-1"_s);
    EXPECT_TRUE(get<EditBox>(u"编辑框1"_s)->content().isEmpty());
    expectNothingToActOn();
    EXPECT_TRUE(fakes.messageBox.shown.isEmpty());
}

TEST(PracticeStatements, AreSpelledAsTheBankExpects)
{
    EXPECT_EQ(favouritesQuery(1), u"select * from swzj where  shucang='yes'"_s);
    EXPECT_EQ(favouritesQuery(2), u"select * from jczj swzj where  shucang='yes'"_s);
    EXPECT_EQ(chapterQuery(2, 7), u"select  * from jczj where zj='7'"_s);
    EXPECT_EQ(questionQuery(1, 12), u"select top 1 * from swzj where ID=12"_s);
    EXPECT_EQ(answerUpdate(2, u"正确"_s, 5), u"update jczj set  XXDA='正确' where ID=5"_s);
    EXPECT_EQ(answerUpdate(1, QString(), 5), u"update swzj set  XXDA='' where ID=5"_s);
    EXPECT_EQ(favouriteUpdate(1, true, 9), u"update swzj set  shucang='YES' where ID=9"_s);
    EXPECT_EQ(favouriteUpdate(2, false, 9), u"update jczj set  shucang='' where ID=9"_s);
}

} // namespace
} // namespace mirevo::test
