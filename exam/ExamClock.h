#pragma once

#include <QString>

namespace mirevo {

// The examination countdown, counted in timer ticks of one second (not corrected against the
// wall clock). The fields hold the time shown at the next tick.
class ExamClock
{
public:
    // The subject's official sitting from now on: two hours for 初级会计实务 (subject 1), one
    // hour and a half for 经济法基础 (subject 2).
    void initExamClock(int subject = 1);

    static int sittingSeconds(int subject);

    // hh:mm:ss of the time to show, each part with a leading zero below 10.
    QString displayText() const;
    // Takes one second off; false, and nothing changes, when no time is left.
    bool countDown();

    int remainingSeconds() const { return m_remainingSeconds; }
    int totalSeconds() const { return m_totalSeconds; }

private:
    int m_hours = 0;
    int m_minutes = 0;
    int m_seconds = 0;
    int m_remainingSeconds = 0;
    int m_totalSeconds = 0;
};

} // namespace mirevo
