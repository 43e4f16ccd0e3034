#include "StudyCalendar.h"

#include <QSet>

namespace mirevo::studyCalendar {

qint64 weekStart(const QDate& today)
{
    return dayOf(today.addDays(1 - today.dayOfWeek()));
}

int daysInARow(const QList<qint64>& studyDays, qint64 today)
{
    QSet<qint64> days;
    for (const qint64 day : studyDays)
        days.insert(qMin(day, today));
    qint64 day = days.contains(today) ? today : today - 1;
    int inARow = 0;
    while (days.contains(day)) {
        ++inARow;
        --day;
    }
    return inARow;
}

} // namespace mirevo::studyCalendar
