#include "PracticeAnswerLog.h"

#include "ProgramState.h"
#include "Services.h"
#include "StudyLog.h"

#include <QDir>

namespace mirevo {

using namespace Qt::StringLiterals;

PracticeAnswerLog::PracticeAnswerLog(ProgramState& state, WallClock& clock, MessageBoxService& messageBox)
    : m_state(state), m_clock(clock), m_messageBox(messageBox)
{}

void PracticeAnswerLog::questionShown(const QString& chapter)
{
    m_chapter = chapter.trimmed().toInt();
    m_attempt = m_state.studyLog ? m_state.studyLog->newAttempt() : 0;
}

void PracticeAnswerLog::answerStored(qint64 id, const QString& answer, bool correct, bool chosen)
{
    StudyLog* log = m_state.studyLog;
    if (!log || !log->isOpen())
        return;
    if (log->recordPracticeAnswer(
            {m_state.currentSubject, m_chapter, id, answer, correct, chosen, m_attempt, m_clock.now()}) ||
        m_failureTold)
        return;
    m_failureTold = true;
    m_messageBox.show(u"学习记录未能写入，本题答案已保存在题库中："_s +
                      QDir::toNativeSeparators(log->path()));
}

} // namespace mirevo
