#include "ExamClock.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

QString hms(int seconds)
{
    return QString::asprintf("%02d:%02d:%02d", seconds / 3600, seconds % 3600 / 60, seconds % 60);
}

TEST(ExamClockTest, ShowsEverySecondFromTwoHoursDownToZeroThenStops)
{
    ExamClock clock;
    clock.initExamClock();
    EXPECT_EQ(clock.totalSeconds(), 7200);
    // Tick n shows the time left before it and then takes a second off.
    for (int tick = 1; tick <= 7200; ++tick) {
        ASSERT_EQ(clock.displayText(), hms(7201 - tick)) << "tick " << tick;
        ASSERT_TRUE(clock.countDown());
    }
    EXPECT_EQ(clock.displayText(), u"00:00:00");
    EXPECT_EQ(clock.remainingSeconds(), 0);
    EXPECT_FALSE(clock.countDown());
    EXPECT_EQ(clock.displayText(), u"00:00:00") << "no time left changes nothing";
}

} // namespace
} // namespace mirevo
