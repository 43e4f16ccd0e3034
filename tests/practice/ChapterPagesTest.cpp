#include "PracticeFixture.h"

using namespace Qt::StringLiterals;

namespace mirevo::test {
namespace {

struct CatalogueCase
{
    int subject;
    int chapters;
    QString first;
    QString firstCount;
    QString last;
};

class ChapterGridTest : public PracticeFixture, public ::testing::WithParamInterface<CatalogueCase>
{};

TEST_P(ChapterGridTest, ShowsTheConstantCatalogueUnderItsHeader)
{
    const CatalogueCase& c = GetParam();
    start(c.subject);
    auto* grid = main->control<Grid>(u"高级表格1"_s);
    ASSERT_EQ(grid->gridRowCount(), c.chapters + 1);
    EXPECT_EQ(grid->cell(0, 0), u"章节名称"_s);
    EXPECT_EQ(grid->cell(0, 1), u"题量"_s);
    EXPECT_EQ(grid->columnWidth(0), 350);
    EXPECT_EQ(grid->columnWidth(1), 230);
    EXPECT_EQ(grid->cell(1, 0), c.first);
    EXPECT_EQ(grid->cell(1, 1), c.firstCount);
    EXPECT_EQ(grid->cell(c.chapters, 0), c.last);
}

INSTANTIATE_TEST_SUITE_P(
    Subjects, ChapterGridTest,
    ::testing::Values(CatalogueCase{1, 10, u"第一章  资产"_s, u"113"_s, u"第十章  事业单位会计基础"_s},
                      CatalogueCase{2, 7, u"第一章  总论 "_s, u"134"_s, u"第七章  税收征收管理法律制度"_s}));

using ChapterPagesTest = PracticeFixture;

TEST_F(ChapterPagesTest, SubjectSwitchRefillsAndKeepsCursorAndChapter)
{
    start(1);
    pressChapter(5);
    EXPECT_EQ(state.currentChapter, 5);
    auto* grid = main->control<Grid>(u"高级表格1"_s);
    for (const auto& [subject, rows] : {std::pair{2, 8}, std::pair{1, 11}}) {
        state.currentSubject = subject;
        pages->fillChapterGrid();
        EXPECT_EQ(grid->gridRowCount(), rows);
        EXPECT_EQ(grid->cursorRow(), 5);
        EXPECT_EQ(state.currentChapter, 5);
    }
}

TEST_F(ChapterPagesTest, EnteringWithoutAChosenRowAsksForOne)
{
    start();
    click(main, u"超级按钮_章节练习"_s);
    ASSERT_EQ(fakes.messageBox.texts(), QStringList{u"请选择"_s});
    EXPECT_EQ(fakes.messageBox.shown[0].style, 0);
    EXPECT_EQ(practice(), nullptr);
    EXPECT_TRUE(main->isVisible());
}

TEST_F(ChapterPagesTest, FavouritesPageCountsMarksInAnyLetterCaseAndShowsThePictureWhenNone)
{
    QList<BankQuestion> questions;
    const QStringList marks = {u"YES"_s, u"yes"_s, u"Yes"_s, u""_s, u"no"_s, QString()};
    for (int i = 0; i < marks.size(); ++i) {
        questions.append(question(i + 1, u"单选题"_s, u"A"_s, QString::number(i % 3 + 1)));
        questions.last().shucang = marks[i];
    }
    insert(questions);
    start(1);
    main->control<Label>(u"标签_当前科目"_s)->setCaption(u"当前科目:初级会计实务"_s);
    pages->showFavouritesPage();
    auto* count = main->control<Label>(u"标签_数量"_s);
    auto* picture = main->control<QWidget>(u"图片框_错题收藏"_s);
    EXPECT_EQ(main->control<PageControl>(u"高级选择夹1"_s)->currentPage(), 3);
    EXPECT_EQ(main->control<Label>(u"标签_科目"_s)->caption(), u"当前科目:初级会计实务"_s);
    EXPECT_EQ(count->caption(), u"3"_s);
    EXPECT_TRUE(picture->isHidden());

    state.currentSubject = 2;
    pages->showFavouritesPage();
    EXPECT_EQ(count->caption(), u"0"_s);
    EXPECT_TRUE(picture->isVisible());

    state.currentSubject = 1;
    pages->showFavouritesPage();
    ASSERT_TRUE(dir.execute(u"DROP TABLE swzj"_s));
    pages->showFavouritesPage();
    EXPECT_EQ(count->caption(), u"3"_s) << "a failed count keeps the last one";
    EXPECT_TRUE(picture->isHidden());
}

TEST_F(ChapterPagesTest, FavouritesMarkedInPracticeAreCountedAndPractisedModeless)
{
    insert({question(1), question(2), question(3, u"单选题"_s, u"A"_s, u"2"_s)});
    start();
    openChapter(1);
    click(u"按钮_下一题"_s);
    click(u"按钮_收藏本题"_s);
    closePractice();
    openChapter(2);
    click(u"按钮_收藏本题"_s);
    closePractice();

    pages->showFavouritesPage();
    EXPECT_EQ(main->control<Label>(u"标签_数量"_s)->caption(), u"2"_s);
    click(main, u"超级按钮_错题重做"_s);
    ASSERT_NE(practice(), nullptr);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(practice()->windowModality(), Qt::NonModal);
    EXPECT_EQ(cellCount(), 2);
    EXPECT_TRUE(get<EditBox>(u"编辑框1"_s)->content().startsWith(u"第2题"_s));
    closePractice();
    EXPECT_TRUE(main->isVisible());

    main->control<PageControl>(u"高级选择夹1"_s)->setCurrentPage(2);
    ASSERT_NE(openChapter(1), nullptr);
    EXPECT_EQ(practice()->windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(state.favouritesMode);
    EXPECT_EQ(cellCount(), 2);
    EXPECT_TRUE(get<EditBox>(u"编辑框1"_s)->content().startsWith(u"第1题"_s));
}

} // namespace
} // namespace mirevo::test
