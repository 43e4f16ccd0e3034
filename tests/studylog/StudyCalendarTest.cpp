#include "StudyCalendar.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

using studyCalendar::dayOf;
using studyCalendar::daysInARow;

const QDate wednesday(2024, 5, 15);

qint64 day(int offset)
{
    return dayOf(wednesday.addDays(offset));
}

TEST(StudyCalendarTest, TheWeekStartsOnMonday)
{
    EXPECT_EQ(studyCalendar::weekStart(wednesday), dayOf(QDate(2024, 5, 13)));
    EXPECT_EQ(studyCalendar::weekStart(QDate(2024, 5, 13)), dayOf(QDate(2024, 5, 13)));
    EXPECT_EQ(studyCalendar::weekStart(QDate(2024, 5, 19)), dayOf(QDate(2024, 5, 13)));
}

TEST(StudyCalendarTest, DaysInARowEndToday)
{
    EXPECT_EQ(daysInARow({day(0), day(-1), day(-2)}, day(0)), 3);
    EXPECT_EQ(daysInARow({day(-2), day(0), day(-1)}, day(0)), 3) << "in any order";
    EXPECT_EQ(daysInARow({day(0), day(0), day(-1)}, day(0)), 2) << "a day counts once";
}

TEST(StudyCalendarTest, TheRunStillStandsWhileTodayHasNothingYet)
{
    EXPECT_EQ(daysInARow({day(-1), day(-2)}, day(0)), 2);
}

TEST(StudyCalendarTest, AMissedDayEndsTheRun)
{
    EXPECT_EQ(daysInARow({day(0), day(-2), day(-3)}, day(0)), 1);
    EXPECT_EQ(daysInARow({day(-2), day(-3)}, day(0)), 0);
    EXPECT_EQ(daysInARow({}, day(0)), 0);
}

TEST(StudyCalendarTest, DaysAfterTodayCountAsTodaySoASetBackClockBreaksNothing)
{
    // Studied on the 14th, 15th and 16th; then the clock was set back to the 15th.
    EXPECT_EQ(daysInARow({day(-1), day(0), day(1)}, day(0)), 2);
    // Only days "ahead": still a run of today.
    EXPECT_EQ(daysInARow({day(3), day(5)}, day(0)), 1);
}

} // namespace
} // namespace mirevo
