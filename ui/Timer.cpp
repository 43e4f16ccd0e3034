#include "Timer.h"

namespace mirevo {

Timer::Timer(QObject* parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    if (milliseconds <= 0)
        m_timer.stop();
    else
        m_timer.start(milliseconds);
}

} // namespace mirevo
