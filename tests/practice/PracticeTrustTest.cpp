// What the practice window shows is what the bank holds, also when the bank misbehaves.
#include "BankLock.h"
#include "PracticeFixture.h"

using namespace Qt::StringLiterals;

namespace mirevo::test {
namespace {

class PracticeTrustTest : public PracticeFixture
{};

TEST_F(PracticeTrustTest, ABusyBankKeepsTheQuestionOnDisplayAndTheOptionsAsStored)
{
    BankQuestion answered = question(1, u"单选题"_s, u"B"_s);
    answered.xxda = u"A"_s;
    insert({answered, question(2), question(3, u"多选题"_s, u"AB"_s)});
    start();
    openChapter();
    ASSERT_TRUE(checked(u"单选框_单选A"_s));
    {
        BankLock lock(dir.bankPath());
        ASSERT_TRUE(lock.isLocked());
        click(u"单选框_单选B"_s);
        ASSERT_EQ(fakes.messageBox.texts(), QStringList{u"题库文件正被其他程序使用，本题答案未保存。"_s});
        EXPECT_TRUE(checked(u"单选框_单选A"_s)) << "the options show the stored answer again";
        EXPECT_FALSE(checked(u"单选框_单选B"_s));
        EXPECT_EQ(cell(1)->backColour(), yellow);

        click(u"按钮_下一题"_s);
        EXPECT_EQ(fakes.messageBox.texts().size(), 2) << "one message for the move";
        EXPECT_EQ(caption(u"标签_通用号"_s), u"1"_s);
        EXPECT_TRUE(get<EditBox>(u"编辑框1"_s)->content().startsWith(u"第1题"_s)) << "never a blank question";
        EXPECT_EQ(cell(1)->backColour(), yellow);
        EXPECT_EQ(cell(2)->backColour(), white);
    }
    EXPECT_EQ(bankValue(u"XXDA"_s, 1), u"A"_s);
    click(u"按钮_下一题"_s);
    EXPECT_EQ(caption(u"标签_通用号"_s), u"2"_s);
    EXPECT_EQ(cell(1)->backColour(), magenta) << "A is stored and wrong";

    // A question that cannot be read while the stored answer can be written again.
    fakes.messageBox.shown.clear();
    {
        BankLock lock(dir.bankPath());
        click(u"按钮_下一题"_s);
        EXPECT_EQ(caption(u"标签_通用号"_s), u"2"_s);
        EXPECT_FALSE(fakes.messageBox.texts().isEmpty());
    }
}

TEST_F(PracticeTrustTest, ABusyBankLeavesAnUnansweredCellUnmarked)
{
    insert({question(1), question(2)});
    start();
    openChapter();
    BankLock lock(dir.bankPath());
    click(u"单选框_单选C"_s);
    EXPECT_FALSE(checked(u"单选框_单选C"_s));
    EXPECT_FALSE(raised(1)) << "nothing is stored, so nothing is answered";
}

TEST_F(PracticeTrustTest, AnUpdateThatChangesNoRowStoredNothing)
{
    insert({question(1), question(2)});
    start();
    openChapter();
    ASSERT_TRUE(dir.execute(u"DELETE FROM swzj WHERE ID=1"_s));
    click(u"单选框_单选A"_s);
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"错误代码！"_s});
    EXPECT_FALSE(checked(u"单选框_单选A"_s));
    EXPECT_EQ(cell(1)->backColour(), yellow) << "not coloured as stored";
}

TEST_F(PracticeTrustTest, IdsAreExactAndOnlyPositiveIntegersAreQuestions)
{
    // Beyond 2^53 a double cannot tell neighbouring IDs apart.
    ASSERT_TRUE(dir.execute(u"DROP TABLE swzj"_s));
    ASSERT_TRUE(
        dir.execute(u"CREATE TABLE swzj (ID, zj TEXT, TM TEXT, TX TEXT, XXA TEXT, XXB TEXT, XXC TEXT, "
                    u"XXD TEXT, DA TEXT, JX TEXT, shucang TEXT, XXDA TEXT)"_s));
    ASSERT_TRUE(dir.execute(u"INSERT INTO swzj (ID, zj, TM, TX, DA) VALUES "
                            u"(9007199254740993, '1', '大号题', '单选题', 'A'), "
                            u"(9007199254740992, '1', '邻号题', '单选题', 'A'), "
                            u"(0, '1', '零号', '单选题', 'A'), (-4, '1', '负号', '单选题', 'A'), "
                            u"(2.5, '1', '小数号', '单选题', 'A'), ('abc', '1', '文字号', '单选题', 'A')"_s));
    start();
    openChapter();
    EXPECT_EQ(cellCount(), 2) << "rows whose ID is no positive integer are passed over";
    EXPECT_EQ(get<EditBox>(u"编辑框1"_s)->content().left(3), u"邻号题"_s);
    click(u"按钮_下一题"_s);
    EXPECT_EQ(get<EditBox>(u"编辑框1"_s)->content().left(3), u"大号题"_s);
    click(u"单选框_单选B"_s);
    EXPECT_TRUE(fakes.messageBox.texts().isEmpty());
    EXPECT_EQ(dir.bankValue(u"select XXDA from swzj where ID=9007199254740993"_s).toString(), u"B"_s);
    EXPECT_TRUE(dir.bankValue(u"select XXDA from swzj where ID=9007199254740992"_s).toString().isEmpty());
}

TEST_F(PracticeTrustTest, ClosingShowsTheMainWindowRestoredAfterItWasMinimized)
{
    insert({question(1)});
    start();
    main->setPosition(PositionMinimized);
    ASSERT_TRUE(main->isMinimized());
    openChapter();
    EXPECT_FALSE(main->isVisible());
    closePractice();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(main->isMinimized()) << "the screen never looks empty";
}

TEST_F(PracticeTrustTest, MaximizedIsThePlatformsMaximizedStateWithAWorkingMaximizeButton)
{
    insert({question(1)});
    start();
    Window* window = openChapter();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isMaximized()) << "frame and title bar on the work area, as the platform maximizes";
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_NE(window->minimumSize(), window->maximumSize())
        << "a fixed size cannot be maximized by its button";
    window->setPosition(PositionNormal);
    settle();
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->size(), QSize(921, 667));
    window->setPosition(PositionMaximized);
    settle();
    EXPECT_TRUE(window->isMaximized());
}

TEST_F(PracticeTrustTest, TheFavouritesCountFollowsAMarkTakenOffDuringPractice)
{
    BankQuestion marked = question(1);
    marked.shucang = u"YES"_s;
    insert({marked, question(2)});
    start();
    pages->showFavouritesPage();
    ASSERT_EQ(main->control<Label>(u"标签_数量"_s)->caption(), u"1"_s);
    click(main, u"超级按钮_错题重做"_s);
    ASSERT_NE(practice(), nullptr);
    click(u"按钮_收藏本题"_s);
    ASSERT_EQ(bankValue(u"shucang"_s, 1).toString(), QString());
    closePractice();
    EXPECT_EQ(main->control<Label>(u"标签_数量"_s)->caption(), u"0"_s);
    EXPECT_TRUE(main->control<QWidget>(u"图片框_错题收藏"_s)->isVisible());
}

} // namespace
} // namespace mirevo::test
