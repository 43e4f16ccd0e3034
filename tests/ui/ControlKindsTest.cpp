#include "BalloonTip.h"
#include "ComboBox.h"
#include "ControlProperties.h"
#include "EditBox.h"
#include "Fonts.h"
#include "GbkPage.h"
#include "Grid.h"
#include "HtmlViewer.h"
#include "Label.h"
#include "PageControl.h"
#include "ScrollBar.h"
#include "Timer.h"
#include "Window.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

WindowDescription kindsWindow()
{
    WindowDescription d{.title = u"kinds"_s, .size = {700, 500}};
    QList<ControlDescription>& c = d.controls;
    c.append({.name = u"编辑框_无字体"_s,
              .kind = ControlKind::EditBox,
              .geometry = {0, 0, 200, 60},
              .multiLine = true});
    c.append({.name = u"编辑框1"_s,
              .kind = ControlKind::EditBox,
              .geometry = {0, 70, 200, 60},
              .font = DesignFont{u"宋体"_s, 16, true},
              .multiLine = true});
    c.append({.name = u"组合框_字体设置"_s,
              .kind = ControlKind::ComboBox,
              .geometry = {220, 0, 80, 20},
              .items = {QString(), u"11"_s, u"12"_s, u"13"_s, u"14"_s},
              .itemData = {0, 1, 2, 3, 4}});
    c.append({.name = u"纵向滚动条"_s,
              .kind = ControlKind::ScrollBar,
              .geometry = {320, 0, 16, 200},
              .minimum = 1,
              .maximum = 1300,
              .pageStep = 10,
              .position = 1});
    c.append({.name = u"时钟1"_s, .kind = ControlKind::Timer});
    c.append({.name = u"高级表格1"_s,
              .kind = ControlKind::Grid,
              .geometry = {350, 0, 340, 200},
              .rows = 10,
              .fixedRows = 1,
              .columns = 2});
    c.append({.name = u"高级选择夹1"_s,
              .kind = ControlKind::PageControl,
              .geometry = {0, 220, 300, 200},
              .pageCaptions = {u"一"_s, u"二"_s},
              .tabStripShown = false});
    c.append({.name = u"标签_第一页"_s,
              .kind = ControlKind::Label,
              .parent = u"高级选择夹1"_s,
              .page = 0,
              .geometry = {5, 5, 80, 20}});
    c.append({.name = u"标签_第二页"_s,
              .kind = ControlKind::Label,
              .parent = u"高级选择夹1"_s,
              .page = 1,
              .geometry = {5, 5, 80, 20}});
    c.append({.name = u"超文本浏览框1"_s, .kind = ControlKind::HtmlViewer, .geometry = {350, 220, 340, 200}});
    c.append({.name = u"气球提示框1"_s, .kind = ControlKind::BalloonTip});
    return d;
}

class ControlKindsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<Window>(kindsWindow());
        window->open(false);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    template <class T> T* get(const QString& name) { return window->control<T>(name); }

    std::unique_ptr<Window> window;
};

TEST_F(ControlKindsTest, FontSizeSubFieldKeepsTheFaceOfTheControl)
{
    auto* plain = get<EditBox>(u"编辑框_无字体"_s);
    setFontSubField(plain, FontPointSize, 13);
    EXPECT_EQ(plain->font().family(), defaultGuiFont().family());
    EXPECT_EQ(plain->font().pointSize(), 13);

    auto* designed = get<EditBox>(u"编辑框1"_s);
    setFontSubField(designed, FontPointSize, 11);
    EXPECT_EQ(designed->font().family(), substitutedFace(u"宋体"_s));
    EXPECT_TRUE(designed->font().bold());
    EXPECT_EQ(designed->font().pointSize(), 11);
}

TEST_F(ControlKindsTest, ControlsNeverTakeTheirContainersFont)
{
    auto* pages = get<PageControl>(u"高级选择夹1"_s);
    setFontSubField(pages, FontPointSize, 30);
    EXPECT_NE(get<Label>(u"标签_第一页"_s)->font().pointSize(), 30);
}

TEST_F(ControlKindsTest, OtherFontSubFields)
{
    auto* edit = get<EditBox>(u"编辑框_无字体"_s);
    setFontSubField(edit, FontBold, true);
    setFontSubField(edit, FontItalic, true);
    setFontSubField(edit, FontAngle, 3700);
    EXPECT_TRUE(edit->font().bold());
    EXPECT_TRUE(edit->font().italic());
    EXPECT_EQ(fontAngle(edit), 100);
    setFontSubField(edit, FontFaceName, QString(40, u'x'));
    EXPECT_EQ(edit->font().family(), defaultGuiFont().family())
        << "a face name over 31 bytes is the default face";
}

TEST_F(ControlKindsTest, EditBoxKeepsWindowsLineBreaksAndAppendsAtTheEnd)
{
    auto* edit = get<EditBox>(u"编辑框1"_s);
    edit->appendText(u"题干\r\n\r\n\r\n"_s);
    edit->appendText({u"A.一"_s, u"\r\n"_s});
    EXPECT_EQ(edit->content(), u"题干\r\n\r\n\r\nA.一\r\n"_s);
    edit->setContent(QString());
    EXPECT_EQ(edit->content(), QString());
}

TEST_F(ControlKindsTest, ComboSelectedIndexIsClampedAndWritingItRaisesNoSelectionChanged)
{
    auto* combo = get<ComboBox>(u"组合框_字体设置"_s);
    int changes = 0;
    window->bind(combo, ControlEvent::SelectionChanged, [&] { ++changes; });

    combo->setSelectedIndex(9);
    EXPECT_EQ(combo->selectedIndex(), 4);
    EXPECT_EQ(combo->currentText(), u"14"_s);
    combo->setSelectedIndex(-3);
    EXPECT_EQ(combo->selectedIndex(), -1);
    combo->setSelectedIndex(2);
    EXPECT_EQ(changes, 0);

    EXPECT_EQ(combo->itemDataAt(3), 3);
    EXPECT_EQ(combo->itemDataAt(5), -1);
    EXPECT_EQ(combo->itemDataAt(-1), -1);

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->selectedIndex(), 3);
    EXPECT_EQ(changes, 1) << "the user's choice raises selection changed";
}

TEST_F(ControlKindsTest, TimerStopsAtZeroOrLessAndRestartsOnAPositiveInterval)
{
    auto* timer = get<Timer>(u"时钟1"_s);
    EXPECT_FALSE(timer->isRunning());
    int ticks = 0;
    window->bind(timer, ControlEvent::TimerTick, [&] { ++ticks; });
    timer->setInterval(5);
    EXPECT_TRUE(timer->isRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 2000));
    timer->setInterval(0);
    EXPECT_FALSE(timer->isRunning());
    timer->setInterval(5);
    timer->setInterval(-1);
    EXPECT_FALSE(timer->isRunning());
}

TEST_F(ControlKindsTest, ScrollBarRangeRunsBetweenMinimumAndMaximumWhicheverIsLarger)
{
    auto* bar = get<ScrollBar>(u"纵向滚动条"_s);
    bar->setMaxPosition(-50);
    EXPECT_EQ(bar->minimum(), -50);
    EXPECT_EQ(bar->maximum(), 1);
    bar->setMaxPosition(294);
    bar->setPosition(500);
    EXPECT_EQ(bar->position(), 294);
    bar->setPosition(-7);
    EXPECT_EQ(bar->position(), 1);
}

TEST_F(ControlKindsTest, WheelOverTheScrollBarRaisesNotchesAndDoesNotScrollByItself)
{
    auto* bar = get<ScrollBar>(u"纵向滚动条"_s);
    bar->setPosition(300);
    QList<int> notches;
    window->bind(bar, ControlEvent::MouseWheelScrolled, [&](const EventArgs& e) { notches.append(e.value); });

    const QPoint at(8, 50);
    QWheelEvent away(at, bar->mapToGlobal(at), {}, {0, 240}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                     false);
    QApplication::sendEvent(bar, &away);
    QWheelEvent toward(at, bar->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &toward);

    EXPECT_EQ(notches, (QList<int>{2, -1}));
    EXPECT_EQ(bar->position(), 300);
}

TEST_F(ControlKindsTest, GridRowsCellsAndColumns)
{
    auto* grid = get<Grid>(u"高级表格1"_s);
    EXPECT_EQ(grid->gridRowCount(), 10);
    EXPECT_LT(grid->cursorRow(), 0);

    const int rows = grid->gridRowCount();
    for (int i = 0; i < rows; ++i)
        grid->deleteGridRow(1);
    EXPECT_EQ(grid->gridRowCount(), 1);
    EXPECT_FALSE(grid->deleteGridRow(1)) << "deleting a row that does not exist does nothing";

    EXPECT_TRUE(grid->setCell(0, 0, Grid::TextCell, u"章节名称"_s));
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), u"章节名称"_s);
    EXPECT_TRUE(grid->insertGridRow(grid->gridRowCount()));
    EXPECT_TRUE(grid->setCell(1, 1, Grid::TextCell, u"113"_s));
    EXPECT_EQ(grid->cell(1, 1), u"113"_s);
    EXPECT_FALSE(grid->setCell(2, 0, Grid::TextCell, u"x"_s));

    EXPECT_TRUE(grid->setGridColumnWidth(0, 150));
    EXPECT_EQ(grid->columnWidth(0), 150);
    EXPECT_FALSE(grid->setGridColumnWidth(2, 80));
}

// A grid's fixed row is its header from the moment the grid is first shown, whether it was built
// on a page in view or on one shown later; a grid without a fixed row never shows one.
TEST_F(ControlKindsTest, TheFixedRowIsTheHeaderFromTheGridsFirstShowing)
{
    QWidget page;
    page.resize(400, 300);
    Grid withHeader(4, 1, 2, &page);
    Grid withoutHeader(4, 0, 2, &page);
    withHeader.setGeometry(0, 0, 200, 150);
    withoutHeader.setGeometry(200, 0, 200, 150);
    withHeader.setCell(0, 0, Grid::TextCell, u"章节名称"_s);
    withHeader.setCell(1, 0, Grid::TextCell, u"第1章"_s);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));

    EXPECT_TRUE(withHeader.horizontalHeader()->isVisible());
    EXPECT_GT(withHeader.horizontalHeader()->height(), 0);
    EXPECT_GE(withHeader.viewport()->y(), withHeader.horizontalHeader()->height())
        << "the data rows start under the header";
    EXPECT_EQ(withHeader.gridRowCount(), 4);
    EXPECT_EQ(withHeader.cell(1, 0), u"第1章"_s);
    EXPECT_FALSE(withoutHeader.horizontalHeader()->isVisible());
    EXPECT_FALSE(withoutHeader.verticalHeader()->isVisible());
    EXPECT_EQ(withoutHeader.gridRowCount(), 4);

    page.hide();
    page.show();
    EXPECT_TRUE(withHeader.horizontalHeader()->isVisible()) << "and stays so";
}

TEST_F(ControlKindsTest, CellPressedIsRaisedAfterTheCursorMovedToThePressedCell)
{
    auto* grid = get<Grid>(u"高级表格1"_s);
    int rowSeen = -99;
    window->bind(grid, ControlEvent::CellPressed, [&] { rowSeen = grid->cursorRow(); });
    const QRect cell = grid->visualRect(grid->model()->index(4, 0));
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(rowSeen, 5) << "table row 4 is grid row 5 under the header";
}

TEST_F(ControlKindsTest, PageControlShowsOnlyTheChildrenOfItsCurrentPage)
{
    auto* pages = get<PageControl>(u"高级选择夹1"_s);
    EXPECT_TRUE(get<Label>(u"标签_第一页"_s)->isVisible());
    EXPECT_FALSE(get<Label>(u"标签_第二页"_s)->isVisible());
    pages->setCurrentPage(1);
    EXPECT_FALSE(get<Label>(u"标签_第一页"_s)->isVisible());
    EXPECT_TRUE(get<Label>(u"标签_第二页"_s)->isVisible());
    EXPECT_EQ(pages->currentPage(), 1);
}

TEST_F(ControlKindsTest, HtmlViewerShowsAGbkFileAndReloadsItOnEveryNavigation)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"BaoDian.html"_s);
    auto writePage = [&](const QString& body) {
        ASSERT_TRUE(test::writeGbkPage(path, u"<p>"_s + body + u"</p>"_s));
    };
    auto* viewer = get<HtmlViewer>(u"超文本浏览框1"_s);
    writePage(u"考试简介"_s);
    EXPECT_TRUE(viewer->navigate(path));
    EXPECT_TRUE(viewer->toPlainText().contains(u"考试简介"_s));
    writePage(u"熟悉考试系统"_s);
    EXPECT_TRUE(viewer->navigate(path));
    EXPECT_TRUE(viewer->toPlainText().contains(u"熟悉考试系统"_s));
    EXPECT_FALSE(viewer->navigate(dir.filePath(u"missing.html"_s)));
}

TEST_F(ControlKindsTest, TipCoversTheWholeControlUnlessAllFourRectangleValuesAreGiven)
{
    auto* tips = window->control<BalloonTip>(u"气球提示框1"_s);
    auto* target = get<QWidget>(u"编辑框1"_s);
    EXPECT_TRUE(
        tips->attachTip(target, u"提示"_s, -1,
                        TipArea{.left = std::nullopt, .top = std::nullopt, .width = 10, .height = 10}));
    EXPECT_EQ(tips->tipRect(target), target->rect());
    EXPECT_TRUE(tips->attachTip(target, u"提示"_s, -1, TipArea{2, 3, 10, 10}));
    EXPECT_EQ(tips->tipRect(target), QRect(2, 3, 10, 10));
    EXPECT_EQ(tips->tipText(target), u"提示"_s);
    EXPECT_FALSE(tips->attachTip(nullptr, u"提示"_s));
}

} // namespace
} // namespace mirevo
