#pragma once

#include <QDate>
#include <QList>

namespace mirevo {

// Calendar days are counted as Julian day numbers of the local date.
namespace studyCalendar {

inline qint64 dayOf(const QDate& date)
{
    return date.toJulianDay();
}

// The Monday of the week of `today`.
qint64 weekStart(const QDate& today);

// The consecutive study days that end today, or yesterday while today has none yet. A day
// after today (logged while the clock stood ahead) counts as today, so a clock set back never
// breaks the run.
int daysInARow(const QList<qint64>& studyDays, qint64 today);

} // namespace studyCalendar

} // namespace mirevo
