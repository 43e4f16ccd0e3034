#include "StudyLoop.h"

#include "BankSchema.h"
#include "Grid.h"
#include "Label.h"
#include "PageControl.h"
#include "PictureButton.h"
#include "ProgramState.h"
#include "ReportPage.h"
#include "Window.h"

#include <QDir>
#include <QFileInfo>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

constexpr int reportPageIndex = 5;
const QString logFileName = u"学习记录.db"_s;
const QString accountingButton = u"超级按钮_会计实务3"_s;
const QString lawButton = u"超级按钮_经济法基础3"_s;

} // namespace

StudyLoop::StudyLoop(Window& mainWindow, ProgramState& state, Services services, Settings& settings,
                     std::function<void(int)> refreshSubject)
    : m_mainWindow(mainWindow), m_state(state), m_services(services),
      m_refreshSubject(std::move(refreshSubject)), m_retry(mainWindow, state, services, settings)
{
    QWidget* page = mainWindow.control<PageControl>(u"高级选择夹1"_s)->page(reportPageIndex);
    m_reportPage = new ReportPage(state, services.wallClock, page);
    m_reportPage->setGeometry(216, 6, 676, 430);
    connect(m_reportPage, &ReportPage::retryChapterClicked, this, &StudyLoop::retryReportChapter);
    connect(m_reportPage, &ReportPage::retryAllClicked, this, [this] { m_retry.retry(0); });
    bindButtons();
}

StudyLoop::~StudyLoop()
{
    closeLog();
}

ReportPage* StudyLoop::reportPage() const
{
    return m_reportPage;
}

void StudyLoop::bindButtons()
{
    Window& w = m_mainWindow;
    // The handlers live in the main window; they do nothing once the loop is gone.
    const QPointer<StudyLoop> self(this);
    w.bind(u"超级按钮_学习报告"_s, ControlEvent::Clicked, [self] {
        if (self)
            self->m_mainWindow.control<PageControl>(u"高级选择夹1"_s)->setCurrentPage(reportPageIndex);
    });
    w.bind(u"超级按钮_错题重练"_s, ControlEvent::Clicked, [self] {
        if (self)
            self->retrySelectedChapter();
    });
    w.bind(accountingButton, ControlEvent::Clicked, [self] {
        if (self)
            self->m_refreshSubject(1);
    });
    w.bind(lawButton, ControlEvent::Clicked, [self] {
        if (self)
            self->m_refreshSubject(2);
    });
}

void StudyLoop::openLog(const QString& programDirectory)
{
    const QString path = QDir(programDirectory).filePath(logFileName);
    const StudyLog::Opening opening = m_log.open(path, m_services.wallClock.now());
    m_state.studyLog = m_log.isOpen() ? &m_log : nullptr;
    switch (opening) {
    case StudyLog::Opening::Opened:
    case StudyLog::Opening::Created:
        return;
    case StudyLog::Opening::Busy:
        m_services.messageBox.show(u"学习记录正被其他程序使用，本次不记录学习情况："_s +
                                   QDir::toNativeSeparators(path));
        return;
    case StudyLog::Opening::Failed:
        // A folder that takes no writes has been named at start-up already: nothing more to say
        // about a log that cannot be made in it.
        if (!QFileInfo::exists(path) && !QFileInfo(programDirectory).isWritable())
            return;
        [[fallthrough]];
    case StudyLog::Opening::Replaced:
        m_services.messageBox.show(u"无法打开学习记录："_s + QDir::toNativeSeparators(path));
        return;
    }
}

void StudyLoop::closeLog()
{
    if (m_state.studyLog == &m_log)
        m_state.studyLog = nullptr;
    m_log.close();
}

void StudyLoop::subjectChanged()
{
    const int subject = m_state.currentSubject;
    m_mainWindow.control<PictureButton>(accountingButton)->setEnabled(subject != 1);
    m_mainWindow.control<PictureButton>(lawButton)->setEnabled(subject != 2);
    m_mainWindow.control<Label>(u"标签_报告科目"_s)->setCaption(u"当前科目:"_s + subjectName(subject));
    if (m_reportPage)
        m_reportPage->refresh();
}

void StudyLoop::recordsCleared()
{
    if (m_reportPage)
        m_reportPage->refresh();
}

void StudyLoop::retrySelectedChapter()
{
    const int row = m_mainWindow.control<Grid>(u"高级表格1"_s)->cursorRow();
    if (row < 1) {
        m_services.messageBox.show(u"请选择"_s);
        return;
    }
    m_retry.retry(row);
}

void StudyLoop::retryReportChapter()
{
    const int chapter = m_reportPage ? m_reportPage->selectedChapter() : 0;
    if (chapter == 0) {
        m_services.messageBox.show(u"请选择"_s);
        return;
    }
    m_retry.retry(chapter);
}

} // namespace mirevo
