#include "calendar/CalendarDay.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

TEST(CalendarDayTest, ParsesADayWrittenAsYearMonthDay)
{
    const std::optional<CalendarDay> day = CalendarDay::Parse("2025-03-14");
    ASSERT_TRUE(day);
    EXPECT_EQ(day->GetYear(), 2025);
    EXPECT_EQ(day->GetMonth(), 3);
    EXPECT_EQ(day->GetDay(), 14);
    EXPECT_EQ(day->ToString(), "2025-03-14");
}

TEST(CalendarDayTest, KnowsTheLeapDays)
{
    EXPECT_TRUE(CalendarDay::Parse("2024-02-29"));
    EXPECT_TRUE(CalendarDay::Parse("2000-02-29"));
    EXPECT_FALSE(CalendarDay::Parse("2025-02-29"));
    EXPECT_FALSE(CalendarDay::Parse("1900-02-29"));
    EXPECT_FALSE(CalendarDay::Parse("2025-04-31"));
    EXPECT_TRUE(CalendarDay::Parse("2025-12-31"));
}

TEST(CalendarDayTest, RejectsEverythingButTheExactForm)
{
    for (const char* text : { "", "2025-3-14", "2025/03/14", "14.03.2025", "2025-03-14x", " 2025-03-14", "2025-00-10",
             "2025-13-01", "2025-01-00", "0000-01-01", "2025-0a-01", "+025-01-01" })
        EXPECT_FALSE(CalendarDay::Parse(text)) << text;
}

TEST(CalendarDayTest, OfChecksTheRangeOfYears)
{
    EXPECT_TRUE(CalendarDay::Of(1, 1, 1));
    EXPECT_TRUE(CalendarDay::Of(9999, 12, 31));
    EXPECT_FALSE(CalendarDay::Of(10000, 1, 1));
    EXPECT_FALSE(CalendarDay::Of(0, 12, 31));
}

std::tm Today()
{
    std::time_t now = std::time(nullptr);
    std::tm today {};
    localtime_r(&now, &today);
    return today;
}

TEST(CalendarDayTest, TomorrowIsTheDayAfterTodaysLocalDate)
{
    const std::tm today = Today();
    const CalendarDay tomorrow = CalendarDay::Tomorrow();
    if (Today().tm_yday != today.tm_yday)
        GTEST_SKIP() << "the day changed while the test ran";
    std::tm dayBefore {};
    dayBefore.tm_year = tomorrow.GetYear() - 1900;
    dayBefore.tm_mon = tomorrow.GetMonth() - 1;
    dayBefore.tm_mday = tomorrow.GetDay() - 1;
    dayBefore.tm_hour = 12;
    dayBefore.tm_isdst = -1;
    std::mktime(&dayBefore);
    EXPECT_EQ(dayBefore.tm_year, today.tm_year);
    EXPECT_EQ(dayBefore.tm_yday, today.tm_yday);
}

} // namespace
