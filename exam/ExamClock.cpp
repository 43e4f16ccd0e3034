#include "ExamClock.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

QString twoDigits(int value)
{
    return value < 10 ? u"0"_s + QString::number(value) : QString::number(value);
}

} // namespace

int ExamClock::sittingSeconds(int subject)
{
    return subject == 2 ? 1 * 3600 + 30 * 60 : 2 * 3600;
}

void ExamClock::initExamClock(int subject)
{
    m_totalSeconds = sittingSeconds(subject);
    m_minutes = m_totalSeconds % 3600 / 60;
    m_hours = m_totalSeconds / 3600;
    m_seconds = 0;
    m_remainingSeconds = m_totalSeconds;
}

QString ExamClock::displayText() const
{
    return twoDigits(m_hours) + u":"_s + twoDigits(m_minutes) + u":"_s + twoDigits(m_seconds);
}

bool ExamClock::countDown()
{
    if (m_remainingSeconds <= 0)
        return false;
    --m_remainingSeconds;
    if (m_seconds > 0) {
        --m_seconds;
        return true;
    }
    m_seconds = 59;
    if (m_minutes > 0) {
        --m_minutes;
    } else if (m_hours > 0) {
        m_minutes = 59;
        --m_hours;
    } else {
        m_minutes = 0;
    }
    return true;
}

} // namespace mirevo
