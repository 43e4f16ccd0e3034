#include "PaperPage.h"

#include "BankAccess.h"
#include "BankSchema.h"
#include "ExamStatements.h"
#include "Grid.h"
#include "LoginWindow.h"
#include "PaperQuery.h"
#include "ProgramState.h"
#include "QuestionBank.h"
#include "Window.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QString paperGridName = u"高级表格2"_s;

} // namespace

PaperPage::PaperPage(Window& mainWindow, ProgramState& state, Services services, Settings& settings)
    : m_mainWindow(&mainWindow), m_state(state), m_services(services), m_settings(settings)
{
    // The bindings live with the main window; they reach this page only while it exists.
    const QPointer<PaperPage> self(this);
    mainWindow.bind(paperGridName, ControlEvent::CellPressed, [self] {
        if (self)
            self->m_state.currentPaper = self->m_mainWindow->control<Grid>(paperGridName)->cursorRow();
    });
    mainWindow.bind(u"超级按钮_模拟考场"_s, ControlEvent::Clicked, [self] {
        if (self)
            self->enterExamination();
    });
}

void PaperPage::fillPaperCatalogue()
{
    if (!m_mainWindow)
        return;
    auto* grid = m_mainWindow->control<Grid>(paperGridName);
    // Qt forgets the current cell with its row; the catalogue keeps the cursor where it was,
    // so that after a subject switch the same paper number stays selected.
    const int cursorRow = grid->cursorRow();
    const int rows = grid->gridRowCount();
    for (int i = 0; i < rows; ++i)
        grid->deleteGridRow(1);
    const int widths[] = {300, 200, 80};
    const QString headers[] = {u"试卷名称"_s, u"题量"_s, u"得分"_s};
    for (int column = 0; column < 3; ++column) {
        grid->setGridColumnWidth(column, widths[column]);
        grid->setCell(0, column, Grid::TextCell, headers[column]);
    }

    const QString name = subjectName(m_state.currentSubject);
    QuestionBank* bank = m_state.questionBank;
    for (int n = 1; n <= paperCount; ++n) {
        grid->insertGridRow(grid->gridRowCount());
        const int row = grid->gridRowCount() - 1;
        grid->setCell(row, 0, Grid::TextCell, u"2017《"_s + name + u"》全真试卷  "_s + QString::number(n));
        grid->setCell(row, 1, Grid::TextCell, u"61"_s);
        const int handle = openQuery(m_state, paperScoreStatement(m_state.currentSubject, n));
        if (handle == 0)
            break;
        for (; !bank->IsEOF(handle); bank->MoveNext(handle)) {
            if (currentRowId(m_state) > 0)
                grid->setCell(row, 2, Grid::TextCell, readColumnText(m_state, u"DF"_s));
        }
        bank->CloseTable(handle);
    }
    grid->setCursorRow(cursorRow);
}

void PaperPage::enterExamination()
{
    if (m_mainWindow->control<Grid>(paperGridName)->cursorRow() < 0) {
        m_services.messageBox.show(u"请选择"_s);
        return;
    }
    m_mainWindow->hide();
    auto* login = new LoginWindow({m_mainWindow, m_state, m_services, m_settings, this});
    login->open();
}

} // namespace mirevo
