#include "calendar/CalendarDay.h"

#include <gtest/gtest.h>

namespace {

TEST(CalendarDayTest, ReadsExactlyRealDaysWrittenAsYearMonthDay)
{
    const std::optional<CalendarDay> day = CalendarDay::Parse("2024-02-29");
    ASSERT_TRUE(day);
    EXPECT_EQ(day->GetYear(), 2024);
    EXPECT_EQ(day->GetMonth(), 2);
    EXPECT_EQ(day->GetDay(), 29);
    EXPECT_EQ(day->ToString(), "2024-02-29");
    for (const char* valid : { "2000-02-29", "0001-01-01", "9999-12-31" })
        EXPECT_TRUE(CalendarDay::Parse(valid)) << valid;
    for (const char* invalid : { "2025-02-29", "1900-02-29", "2025-04-31", "2025-13-01", "2025-00-10", "0000-01-01",
             "2025-3-14", "2025/03/14", "14.03.2025", " 2025-03-14", "2025-03-14x", "+025-01-01", "" })
        EXPECT_FALSE(CalendarDay::Parse(invalid)) << invalid;
}

} // namespace
