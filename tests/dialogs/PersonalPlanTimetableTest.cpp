#include "dialogs/PersonalPlanTimetable.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(PersonalPlanTimetable, FormatsHoursAndMinutesWithTwoDigits)
{
    EXPECT_EQ(PersonalPlanTimetable::FormatTime(0), "00:00");
    EXPECT_EQ(PersonalPlanTimetable::FormatTime(1110), "18:30");
    EXPECT_EQ(PersonalPlanTimetable::FormatTime(6000), "100:00");
}

TEST(PersonalPlanTimetable, ShowsTheSignOfANegativeTimeOnceInFront)
{
    EXPECT_EQ(PersonalPlanTimetable::FormatTime(-90), "-01:30");
    EXPECT_EQ(PersonalPlanTimetable::FormatTime(-5), "-00:05");
    EXPECT_EQ(PersonalPlanTimetable::FormatTime(-60), "-01:00");
}

TEST(PersonalPlanTimetable, FormatsTheExtremesOfTheMinuteRange)
{
    EXPECT_EQ(PersonalPlanTimetable::FormatTime(std::numeric_limits<std::int32_t>::max()), "35791394:07");
    EXPECT_EQ(PersonalPlanTimetable::FormatTime(std::numeric_limits<std::int32_t>::min()), "-35791394:08");
}

} // namespace
