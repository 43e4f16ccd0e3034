#include "PracticeClock.h"

#include "Services.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

QString twoDigits(qint64 part)
{
    return part <= 9 ? u"0"_s + QString::number(part) : QString::number(part);
}

} // namespace

void PracticeClock::start()
{
    m_startTick = m_clock.tickMs() - m_elapsedMs;
}

QString PracticeClock::update()
{
    m_elapsedMs = m_clock.tickMs() - m_startTick;
    return formatElapsed(m_elapsedMs / 1000);
}

QString PracticeClock::formatElapsed(qint64 seconds)
{
    const qint64 hours = seconds / 3600;
    const qint64 minutes = (seconds - 3600 * hours) / 60;
    const qint64 rest = seconds - 3600 * hours - 60 * minutes;
    return twoDigits(hours) + u':' + twoDigits(minutes) + u':' + twoDigits(rest);
}

} // namespace mirevo
