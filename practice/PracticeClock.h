#pragma once

#include <QString>
#include <QtGlobal>

namespace mirevo {

class Clock;

// The time spent in a practice, computed from the tick counter rather than from the number of
// timer ticks, so that a late or missed tick never slows the clock.
class PracticeClock
{
public:
    explicit PracticeClock(const Clock& clock) : m_clock(clock) {}

    // practiceStartTick := now − practiceElapsedMs.
    void start();
    // practiceElapsedMs := now − practiceStartTick; returns the shown text of it.
    QString update();
    void reset() { m_elapsedMs = 0; }

    // hh:mm:ss, each part at least two digits (100 hours and more show three hour digits).
    static QString formatElapsed(qint64 seconds);

private:
    const Clock& m_clock;
    qint64 m_startTick = 0;
    qint64 m_elapsedMs = 0;
};

} // namespace mirevo
