#include "WrongAnswerRetry.h"

#include "BankSchema.h"
#include "PracticeWindow.h"
#include "ProgramState.h"
#include "StudyLog.h"
#include "Window.h"

namespace mirevo {

using namespace Qt::StringLiterals;

WrongAnswerRetry::WrongAnswerRetry(Window& mainWindow, ProgramState& state, Services services,
                                   Settings& settings)
    : m_mainWindow(mainWindow), m_state(state), m_services(services), m_settings(settings)
{}

PracticeWindow* WrongAnswerRetry::practice() const
{
    return m_practice;
}

bool WrongAnswerRetry::retry(int chapter)
{
    if (m_practice && m_practice->isRunning()) {
        m_practice->window()->activateWindow();
        return false;
    }
    const StudyLog* log = m_state.studyLog;
    const QList<qint64> ids =
        log && log->isOpen() ? log->wrongAnswers(m_state.currentSubject, chapter) : QList<qint64>();
    if (ids.isEmpty()) {
        m_services.messageBox.show(chapter != 0 ? u"本章暂无错题"_s : u"暂无错题"_s);
        return false;
    }
    m_practice = new PracticeWindow(m_mainWindow, m_state, m_services, m_settings, this);
    m_practice->setQuestionList(ids);
    if (!m_practice->open(true))
        return false;
    m_practice->window()->setTitle(u" 错题重练-"_s + subjectName(m_state.currentSubject));
    return true;
}

} // namespace mirevo
