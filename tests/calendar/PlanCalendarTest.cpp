#include "calendar/PlanCalendar.h"

#include "CalendarReader.h"
#include "SmallHousehold.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace {

// 14 March 2025, 09:30:00 UTC.
constexpr std::time_t ExportMoment = 1741944600;

class PlanCalendarTest : public ::testing::Test {
protected:
    std::vector<CalendarReader::Event> Events(
        const CompletePlan& plan, PlanCalendar::Summary summary, const char* day = "2025-03-15")
    {
        PlanCalendar calendar(*CalendarDay::Parse(day), ExportMoment);
        for (const PersonalPlan* personal : plan.GetPersonalPlans())
            calendar.Add(*personal, summary);
        const std::optional<CalendarReader::Calendar> read = CalendarReader::Parse(calendar.ToText().value_or(""));
        EXPECT_TRUE(read);
        EXPECT_EQ(read.value_or(CalendarReader::Calendar {}).errorCount, 0);
        EXPECT_EQ(read.value_or(CalendarReader::Calendar {}).version, "2.0");
        return read.value_or(CalendarReader::Calendar {}).events;
    }

    SmallHousehold house;
};

TEST_F(PlanCalendarTest, AnEventPerExecutionAtFloatingLocalTimesOfTheDay)
{
    auto plan = house.Plan(6 * 60 + 30, 7 * 60 + 15, 9 * 60);
    const std::vector<CalendarReader::Event> events = Events(*plan, PlanCalendar::Summary::PersonAndTaskName);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].summary, "Anna: Shower");
    EXPECT_EQ(events[0].description, "Anna, profile Workday");
    EXPECT_EQ(events[0].start, "20250315T063000");
    EXPECT_EQ(events[0].end, "20250315T064500");
    EXPECT_EQ(events[0].stamp, "20250314T093000Z");
    EXPECT_EQ(events[1].start, "20250315T071500");
    EXPECT_EQ(events[2].summary, "Bert: Wash");
    EXPECT_EQ(events[2].description, "Bert, profile Day off");
    EXPECT_EQ(Events(*plan, PlanCalendar::Summary::TaskName)[2].summary, "Wash");
}

TEST_F(PlanCalendarTest, TimesBeforeMidnightOrPastADayFallOnTheNeighbouringDays)
{
    auto plan = house.Plan(-10, 25 * 60, -90);
    const std::vector<CalendarReader::Event> events = Events(*plan, PlanCalendar::Summary::TaskName, "2025-03-01");
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].start, "20250228T235000");
    EXPECT_EQ(events[0].end, "20250301T000500");
    EXPECT_EQ(events[1].start, "20250302T010000");
    EXPECT_EQ(events[2].start, "20250228T223000");
}

TEST_F(PlanCalendarTest, ATaskOfNoDurationHasNoEnd)
{
    house.wash->SetDuration(0);
    const std::vector<CalendarReader::Event> events
        = Events(*house.Plan(400, 420, 400), PlanCalendar::Summary::TaskName);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[2].end, "");
}

TEST_F(PlanCalendarTest, EveryEventHasItsOwnUidWhichTheSameDaysExportRepeats)
{
    house.wash->SetName("Shower");
    auto plan = house.Plan(400, 420, 400);
    auto uids = [&](const char* day) {
        std::vector<std::string> found;
        for (const CalendarReader::Event& event : Events(*plan, PlanCalendar::Summary::TaskName, day))
            found.push_back(event.uid);
        return found;
    };
    const std::vector<std::string> first = uids("2025-03-15");
    EXPECT_EQ(std::set<std::string>(first.begin(), first.end()).size(), 3u);
    EXPECT_EQ(uids("2025-03-15"), first);
    for (const std::string& uid : uids("2025-03-16"))
        EXPECT_EQ(std::count(first.begin(), first.end(), uid), 0) << uid;
}

TEST_F(PlanCalendarTest, NamesKeepCommasSemicolonsLineBreaksAndLongUnicodeAndFoldIntoShortLines)
{
    const std::string name
        = "Fr\xC3\xBChst\xC3\xBC"
          "ck, Kaffee; Zeitung\nund \xE2\x82\xAC-Rechnungen f\xC3\xBCr die ganze Familie \xE2\x80\x93 "
          "mit sehr langem Namen";
    house.shower->SetName(name.c_str());
    house.wash->SetName("Kr\xE4uterbad");
    auto plan = house.Plan(400, 420, 400);
    PlanCalendar calendar(*CalendarDay::Parse("2025-03-15"), ExportMoment);
    for (const PersonalPlan* personal : plan->GetPersonalPlans())
        calendar.Add(*personal, PlanCalendar::Summary::TaskName);
    std::istringstream lines(calendar.ToText().value_or(""));
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 75u + 1) << line;
    const std::vector<CalendarReader::Event> events = Events(*plan, PlanCalendar::Summary::TaskName);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].summary, name);
    EXPECT_EQ(events[2].summary, "Kr\xC3\xA4uterbad") << "a Latin-1 name is written as UTF-8";
}

TEST_F(PlanCalendarTest, RefusesAPlanReachingBeforeTheFirstYear)
{
    auto plan = house.Plan(-60, 0, 0);
    PlanCalendar calendar(*CalendarDay::Parse("0001-01-01"), ExportMoment);
    calendar.Add(*plan->GetPersonalPlans().Get(0), PlanCalendar::Summary::TaskName);
    EXPECT_FALSE(calendar.ToText());
}

} // namespace
