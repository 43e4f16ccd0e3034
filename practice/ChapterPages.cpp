#include "ChapterPages.h"

#include "BankAccess.h"
#include "ChapterCatalogue.h"
#include "Grid.h"
#include "Label.h"
#include "PageControl.h"
#include "PracticeStatements.h"
#include "PracticeWindow.h"
#include "ProgramState.h"
#include "QuestionBank.h"
#include "ValueText.h"
#include "Window.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QString chapterGrid = u"高级表格1"_s;
constexpr int favouritesPage = 3;

} // namespace

ChapterPages::ChapterPages(Window& mainWindow, ProgramState& state, Services services, Settings& settings)
    : m_mainWindow(mainWindow), m_state(state), m_services(services), m_settings(settings)
{
    // The handlers live in the main window; they do nothing once the pages are gone.
    const QPointer<ChapterPages> self(this);
    mainWindow.bind(chapterGrid, ControlEvent::CellPressed, [self] {
        if (self)
            self->m_state.currentChapter = self->m_mainWindow.control<Grid>(chapterGrid)->cursorRow();
    });
    mainWindow.bind(u"超级按钮_章节练习"_s, ControlEvent::Clicked, [self] {
        if (self)
            self->enterChapterPractice();
    });
    mainWindow.bind(u"超级按钮_错题重做"_s, ControlEvent::Clicked, [self] {
        if (self)
            self->enterFavouritesPractice();
    });
}

void ChapterPages::fillChapterGrid()
{
    auto* grid = m_mainWindow.control<Grid>(chapterGrid);
    // Qt forgets the current cell with its row; the catalogue keeps the cursor where it was.
    const int cursorRow = grid->cursorRow();
    const int rows = grid->gridRowCount();
    for (int i = 0; i < rows; ++i)
        grid->deleteGridRow(1);
    grid->setGridColumnWidth(0, 350);
    grid->setGridColumnWidth(1, 230);
    grid->setCell(0, 0, Grid::TextCell, u"章节名称"_s);
    grid->setCell(0, 1, Grid::TextCell, u"题量"_s);
    for (const ChapterEntry& chapter : chapterCatalogue(m_state.currentSubject)) {
        grid->insertGridRow(grid->gridRowCount());
        const int row = grid->gridRowCount() - 1;
        grid->setCell(row, 0, Grid::TextCell, chapter.name);
        grid->setCell(row, 1, Grid::TextCell, chapter.count);
    }
    grid->setCursorRow(cursorRow);
}

void ChapterPages::showFavouritesPage()
{
    m_mainWindow.control<PageControl>(u"高级选择夹1"_s)->setCurrentPage(favouritesPage);
    m_mainWindow.control<Label>(u"标签_科目"_s)
        ->setCaption(m_mainWindow.control<Label>(u"标签_当前科目"_s)->caption());
    refreshFavouritesCount();
}

void ChapterPages::refreshFavouritesCount()
{
    auto* count = m_mainWindow.control<Label>(u"标签_数量"_s);
    countFavourites(*count, favouritesQuery(m_state.currentSubject));
    auto* picture = m_mainWindow.control<QWidget>(u"图片框_错题收藏"_s);
    if (textToNumber(count->caption()) > 0.0000001) {
        picture->hide();
    } else {
        picture->show();
        // The picture stands in place of the group box, in front of it.
        picture->raise();
    }
}

void ChapterPages::countFavourites(Label& label, const QString& query)
{
    const int recordSet = openQuery(m_state, query);
    if (recordSet == 0)
        return;
    QuestionBank& bank = *m_state.questionBank;
    int count = 0;
    // Counted as the practice window lists them: rows whose ID is a positive integer.
    for (; !bank.IsEOF(recordSet); bank.MoveNext(recordSet)) {
        if (const std::optional<qint64> id = readColumnInteger(m_state, u"ID"_s); id && *id > 0)
            ++count;
    }
    label.setCaption(QString::number(count));
    bank.CloseTable(recordSet);
}

void ChapterPages::enterChapterPractice()
{
    if (m_mainWindow.control<Grid>(chapterGrid)->cursorRow() < 0) {
        m_services.messageBox.show(u"请选择"_s);
        return;
    }
    m_state.favouritesMode = false;
    openPracticeWindow(true);
}

void ChapterPages::enterFavouritesPractice()
{
    m_mainWindow.hide();
    m_state.favouritesMode = true;
    openPracticeWindow(false);
}

void ChapterPages::openPracticeWindow(bool modal)
{
    // One practice at a time: a second request brings the running one forward.
    if (m_practice && m_practice->isRunning()) {
        m_practice->window()->activateWindow();
        return;
    }
    m_practice = new PracticeWindow(m_mainWindow, m_state, m_services, m_settings, this);
    // Marks taken off or put on during practice show on page 3 as soon as the window closes.
    connect(m_practice->window(), &Window::aboutToBeDestroyed, this, &ChapterPages::refreshFavouritesCount);
    m_practice->open(modal);
}

} // namespace mirevo
