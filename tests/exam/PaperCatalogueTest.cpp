#include "ExamTestSupport.h"

#include <QHeaderView>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

class PaperCatalogueTest : public test::ExamTest
{
protected:
    Grid* grid() const { return mainWindow->control<Grid>(u"高级表格2"_s); }
};

TEST_F(PaperCatalogueTest, ListsTwentyPapersWithNamesCountAndStoredScores)
{
    ASSERT_TRUE(dir.execute(u"update swdeifen set DF='88.5' where ID=3"_s));
    ASSERT_TRUE(dir.execute(u"update swdeifen set DF='100' where ID=7"_s));
    ASSERT_TRUE(dir.execute(u"update swdeifen set DF='0' where ID=9"_s));
    ASSERT_TRUE(dir.execute(u"update swdeifen set DF=NULL where ID=10"_s));
    page->fillPaperCatalogue();

    ASSERT_EQ(grid()->gridRowCount(), 21);
    EXPECT_EQ(grid()->cell(0, 0), u"试卷名称"_s);
    EXPECT_EQ(grid()->cell(0, 1), u"题量"_s);
    EXPECT_EQ(grid()->cell(0, 2), u"得分"_s);
    EXPECT_EQ(grid()->columnWidth(0), 300);
    EXPECT_EQ(grid()->columnWidth(1), 200);
    EXPECT_EQ(grid()->columnWidth(2), 80);
    for (int n = 1; n <= 20; ++n) {
        EXPECT_EQ(grid()->cell(n, 0), u"2017《初级会计实务》全真试卷  "_s + QString::number(n));
        EXPECT_EQ(grid()->cell(n, 1), u"61"_s);
    }
    EXPECT_EQ(grid()->cell(3, 2), u"88.5"_s);
    EXPECT_EQ(grid()->cell(7, 2), u"100"_s);
    EXPECT_EQ(grid()->cell(9, 2), u"0"_s) << "a score of zero is a score";
    EXPECT_EQ(grid()->cell(10, 2), QString());
    EXPECT_EQ(grid()->cell(1, 2), QString());
}

TEST_F(PaperCatalogueTest, SubjectSwitchRebuildsEveryRowFromTheOtherScoreTable)
{
    ASSERT_TRUE(dir.execute(u"update jcdeifen set DF='61.5' where ID=20"_s));
    state.currentSubject = 2;
    page->fillPaperCatalogue();
    page->fillPaperCatalogue();
    ASSERT_EQ(grid()->gridRowCount(), 21);
    EXPECT_EQ(grid()->cell(20, 0), u"2017《经济法基础》全真试卷  20"_s);
    EXPECT_EQ(grid()->cell(20, 2), u"61.5"_s);
    EXPECT_EQ(grid()->cell(0, 2), u"得分"_s);
}

TEST_F(PaperCatalogueTest, ScoreRowsWithoutAPositiveIdAreIgnored)
{
    ASSERT_TRUE(dir.execute(u"update swdeifen set SJ='55' where ID=5"_s));
    ASSERT_TRUE(dir.execute(u"insert into swdeifen (ID, SJ, DF) values (-3, '5', '77')"_s));
    ASSERT_TRUE(dir.execute(u"insert into swdeifen (ID, SJ, DF) values (0, '5', '78')"_s));
    page->fillPaperCatalogue();
    EXPECT_EQ(grid()->cell(5, 2), QString());
}

TEST_F(PaperCatalogueTest, AScoreQueryThatCannotBeOpenedEndsTheList)
{
    ASSERT_TRUE(dir.execute(u"drop table swdeifen"_s));
    page->fillPaperCatalogue();
    ASSERT_EQ(grid()->gridRowCount(), 2) << "paper 1 is listed, no later paper";
    EXPECT_EQ(grid()->cell(1, 0), u"2017《初级会计实务》全真试卷  1"_s);
    EXPECT_EQ(grid()->cell(1, 2), QString());
    EXPECT_TRUE(fakes.messageBox.shown.isEmpty());
}

TEST_F(PaperCatalogueTest, EnteringNeedsAChosenRowAndHidesTheMainWindowBehindTheLogin)
{
    QTest::mouseClick(mainWindow->control<QWidget>(u"超级按钮_模拟考场"_s), Qt::LeftButton);
    EXPECT_EQ(fakes.messageBox.texts(), QStringList{u"请选择"_s});
    EXPECT_EQ(fakes.messageBox.shown[0].style, 0);
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_EQ(loginWindow(), nullptr);

    Window* login = enterLogin(4);
    EXPECT_EQ(state.currentPaper, 4);
    ASSERT_NE(login, nullptr);
    EXPECT_FALSE(mainWindow->isVisible());
    EXPECT_TRUE(login->isVisible());
    EXPECT_TRUE(login->isMaximized()) << "the login screen opens maximized for every configured state";
}

TEST_F(PaperCatalogueTest, LoginPanelStaysCentredAndLoggingInOpensTheExamination)
{
    ASSERT_EQ(settings.writeNumber(ExamWindowState, 1), 0);
    Window* login = enterLogin(2);
    ASSERT_NE(login, nullptr);
    auto* panel = login->control<QWidget>(u"画板1"_s);
    EXPECT_EQ(panel->pos(), QPoint(int(login->width() / 2.0 - 263.5), int(login->height() / 2.0 - 146.5)));
    login->setPosition(PositionNormal);
    login->resize(701, 555);
    test::settle();
    EXPECT_EQ(panel->pos(), QPoint(int(701 / 2.0 - 263.5), int(555 / 2.0 - 146.5)));

    QTest::mouseClick(login->control<QWidget>(u"按钮_登录"_s), Qt::LeftButton);
    EXPECT_FALSE(login->isVisible());
    ASSERT_NE(examWindow(), nullptr);
    EXPECT_TRUE(examWindow()->isVisible());
    EXPECT_FALSE(mainWindow->isVisible());
}

TEST_F(PaperCatalogueTest, ClosingTheLoginWithoutLoggingInShowsTheMainWindowAgain)
{
    Window* login = enterLogin(1);
    ASSERT_NE(login, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(login));
    QTest::keyClick(login, Qt::Key_Escape);
    test::settle();
    EXPECT_EQ(loginWindow(), nullptr);
    EXPECT_TRUE(mainWindow->isVisible());
}

} // namespace
} // namespace mirevo
