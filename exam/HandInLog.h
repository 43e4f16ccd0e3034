#pragma once

#include <QDateTime>

namespace mirevo {

struct ExamSession;
struct SectionPoints;

// Writes every hand-in whose score the bank kept into the study log: the paper, the score and
// its sections, when the sitting began and ended, the seconds the countdown ran and whether
// the time ran out. Says once when the log cannot take it; the score is in the bank either way.
class HandInLog
{
public:
    // The sitting begins now.
    explicit HandInLog(ExamSession& session);

    void handedIn(double score, const SectionPoints& points);

private:
    ExamSession& m_session;
    QDateTime m_startedAt;
    bool m_failureTold = false;
};

} // namespace mirevo
