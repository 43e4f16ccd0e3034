#include "HandInLog.h"

#include "ExamSession.h"
#include "ProgramState.h"
#include "StudyLog.h"

#include <QDir>

namespace mirevo {

using namespace Qt::StringLiterals;

HandInLog::HandInLog(ExamSession& session) : m_session(session), m_startedAt(session.services.wallClock.now())
{}

void HandInLog::handedIn(double score, const SectionPoints& points)
{
    const ProgramState& state = m_session.state;
    StudyLog* log = state.studyLog;
    if (!log || !log->isOpen())
        return;
    const ExamClock& clock = m_session.examClock;
    HandIn handIn;
    handIn.subject = state.currentSubject;
    handIn.paper = state.currentPaper;
    handIn.score = score;
    handIn.points = points;
    handIn.startedAt = m_startedAt;
    handIn.endedAt = m_session.services.wallClock.now();
    // The countdown's own seconds: a clock set back meanwhile changes nothing in them.
    handIn.secondsUsed = qMax(0, clock.totalSeconds() - clock.remainingSeconds());
    handIn.timedOut = clock.remainingSeconds() == 0;
    if (log->recordHandIn(handIn) || m_failureTold)
        return;
    m_failureTold = true;
    m_session.services.messageBox.show(u"学习记录未能写入，本次得分已保存在题库中："_s +
                                       QDir::toNativeSeparators(log->path()));
}

} // namespace mirevo
