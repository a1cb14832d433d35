#include "calendar/PlanCalendar.h"

#include "CalendarReader.h"
#include "ModelBuilder.h"
#include "PlanBuilder.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/Task.h"
#include "planning/PersonalPlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace {

using Time = CalendarReader::Time;

// 14 March 2025, 09:30:00 UTC.
constexpr std::time_t ExportMoment = 1741944600;

class PlanCalendarTest : public ::testing::Test {
protected:
    PlanCalendarTest()
    {
        anna = build.AddPerson("Anna");
        shower = build.AddTask(anna, "Shower", 15);
        drive = build.AddTask(anna, "Drive to work", 25);
        workday = build.AddProfile(anna, "Workday", 8 * 60, { shower, drive });
    }

    CalendarReader::Calendar Read(const PlanCalendar& calendar)
    {
        const std::optional<std::string> text = calendar.ToText();
        EXPECT_TRUE(text);
        const std::optional<CalendarReader::Calendar> read = CalendarReader::Parse(text.value_or(""));
        EXPECT_TRUE(read);
        return read.value_or(CalendarReader::Calendar {});
    }

    CalendarReader::Calendar ReadOne(
        const PersonalPlan& plan, PlanCalendar::Summary summary, const char* day = "2025-03-15")
    {
        PlanCalendar calendar(*CalendarDay::Parse(day), ExportMoment);
        calendar.Add(plan, summary);
        return Read(calendar);
    }

    PlanningModel model;
    ModelBuilder build { model };
    Person* anna;
    Task* shower;
    Task* drive;
    Profile* workday;
};

TEST_F(PlanCalendarTest, WritesOneEventPerExecutionAtFloatingLocalTimesOfTheDay)
{
    auto plan = PlanBuilder::MakePersonalPlan(workday, { { shower, 6 * 60 + 30 }, { drive, 7 * 60 + 15 } });
    const CalendarReader::Calendar calendar = ReadOne(*plan, PlanCalendar::Summary::TaskName);
    EXPECT_EQ(calendar.version, "2.0");
    EXPECT_FALSE(calendar.productId.empty());
    EXPECT_EQ(calendar.errorCount, 0);
    ASSERT_EQ(calendar.events.size(), 2u);
    EXPECT_EQ(calendar.events[0].summary, "Shower");
    EXPECT_EQ(calendar.events[0].start, CalendarReader::Local(2025, 3, 15, 6, 30));
    EXPECT_EQ(calendar.events[0].end, CalendarReader::Local(2025, 3, 15, 6, 45));
    EXPECT_EQ(calendar.events[1].summary, "Drive to work");
    EXPECT_EQ(calendar.events[1].start, CalendarReader::Local(2025, 3, 15, 7, 15));
    EXPECT_EQ(calendar.events[1].end, CalendarReader::Local(2025, 3, 15, 7, 40));
}

TEST_F(PlanCalendarTest, PausesAreNoEvents)
{
    auto plan = PlanBuilder::MakePersonalPlan(workday, { { shower, 6 * 60 }, { drive, 9 * 60 } });
    EXPECT_EQ(ReadOne(*plan, PlanCalendar::Summary::TaskName).events.size(), 2u);
}

TEST_F(PlanCalendarTest, AStartBeforeMidnightFallsOnTheDayBefore)
{
    auto plan = PlanBuilder::MakePersonalPlan(workday, { { shower, -10 }, { drive, -90 } });
    const CalendarReader::Calendar calendar = ReadOne(*plan, PlanCalendar::Summary::TaskName, "2025-03-01");
    ASSERT_EQ(calendar.events.size(), 2u);
    EXPECT_EQ(calendar.events[0].start, CalendarReader::Local(2025, 2, 28, 23, 50));
    EXPECT_EQ(calendar.events[0].end, CalendarReader::Local(2025, 3, 1, 0, 5));
    EXPECT_EQ(calendar.events[1].start, CalendarReader::Local(2025, 2, 28, 22, 30));
}

TEST_F(PlanCalendarTest, ATimePastTwentyFourHoursFallsOnTheDayAfter)
{
    auto plan = PlanBuilder::MakePersonalPlan(workday, { { shower, 25 * 60 } });
    const CalendarReader::Calendar calendar = ReadOne(*plan, PlanCalendar::Summary::TaskName, "2024-12-31");
    ASSERT_EQ(calendar.events.size(), 1u);
    EXPECT_EQ(calendar.events[0].start, CalendarReader::Local(2025, 1, 1, 1, 0));
}

TEST_F(PlanCalendarTest, LeadsTheSummaryWithThePersonForTheHousehold)
{
    auto plan = PlanBuilder::MakePersonalPlan(workday, { { shower, 400 } });
    const CalendarReader::Calendar calendar = ReadOne(*plan, PlanCalendar::Summary::PersonAndTaskName);
    ASSERT_EQ(calendar.events.size(), 1u);
    EXPECT_EQ(calendar.events[0].summary, "Anna: Shower");
}

TEST_F(PlanCalendarTest, DescribesThePersonAndTheProfile)
{
    auto plan = PlanBuilder::MakePersonalPlan(workday, { { shower, 400 } });
    const CalendarReader::Calendar calendar = ReadOne(*plan, PlanCalendar::Summary::TaskName);
    ASSERT_EQ(calendar.events.size(), 1u);
    EXPECT_EQ(calendar.events[0].description, "Anna, profile Workday");
}

TEST_F(PlanCalendarTest, ATaskOfNoDurationHasNoEnd)
{
    drive->SetDuration(0);
    auto plan = PlanBuilder::MakePersonalPlan(workday, { { drive, 400 } });
    const CalendarReader::Calendar calendar = ReadOne(*plan, PlanCalendar::Summary::TaskName);
    ASSERT_EQ(calendar.events.size(), 1u);
    EXPECT_FALSE(calendar.events[0].end);
    EXPECT_EQ(calendar.errorCount, 0);
}

TEST_F(PlanCalendarTest, StampsEachEventWithTheMomentOfExportInUtc)
{
    auto plan = PlanBuilder::MakePersonalPlan(workday, { { shower, 400 } });
    const CalendarReader::Calendar calendar = ReadOne(*plan, PlanCalendar::Summary::TaskName);
    ASSERT_EQ(calendar.events.size(), 1u);
    ASSERT_TRUE(calendar.events[0].stamp);
    EXPECT_TRUE(calendar.events[0].stamp->utc);
    EXPECT_EQ(calendar.events[0].stamp->year, 2025);
    EXPECT_EQ(calendar.events[0].stamp->day, 14);
    EXPECT_EQ(calendar.events[0].stamp->hour, 9);
    EXPECT_EQ(calendar.events[0].stamp->minute, 30);
}

TEST_F(PlanCalendarTest, GivesEveryEventItsOwnUidThatAnExportOfTheSameDayRepeats)
{
    Person* bert = build.AddPerson("Bert");
    Task* bertShower = build.AddTask(bert, "Shower", 10);
    Profile* bertDay = build.AddProfile(bert, "Workday", 480, { bertShower });
    auto annaPlan = PlanBuilder::MakePersonalPlan(workday, { { shower, 400 }, { drive, 420 } });
    auto bertPlan = PlanBuilder::MakePersonalPlan(bertDay, { { bertShower, 400 } });
    auto uids = [&](const char* day) {
        PlanCalendar calendar(*CalendarDay::Parse(day), ExportMoment);
        calendar.Add(*annaPlan, PlanCalendar::Summary::PersonAndTaskName);
        calendar.Add(*bertPlan, PlanCalendar::Summary::PersonAndTaskName);
        std::vector<std::string> found;
        for (const CalendarReader::Event& event : Read(calendar).events)
            found.push_back(event.uid);
        return found;
    };
    const std::vector<std::string> first = uids("2025-03-15");
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(std::set<std::string>(first.begin(), first.end()).size(), 3u);
    EXPECT_EQ(uids("2025-03-15"), first);
    const std::vector<std::string> otherDay = uids("2025-03-16");
    for (const std::string& uid : otherDay)
        EXPECT_EQ(std::count(first.begin(), first.end(), uid), 0) << uid;
}

TEST_F(PlanCalendarTest, KeepsCommasSemicolonsLineBreaksAndLongUnicodeNamesIntact)
{
    const std::string name = "Fr\xC3\xBChst\xC3\xBC"
                             "ck, Kaffee; Zeitung\nund \xE2\x82\xAC-Rechnungen f\xC3\xBCr die ganze "
                             "Familie \xE2\x80\x93 mit sehr langem Namen, der gefaltet werden muss";
    shower->SetName(name.c_str());
    auto plan = PlanBuilder::MakePersonalPlan(workday, { { shower, 400 } });
    PlanCalendar calendar(*CalendarDay::Parse("2025-03-15"), ExportMoment);
    calendar.Add(*plan, PlanCalendar::Summary::TaskName);
    const std::string text = calendar.ToText().value_or("");
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 76u) << line;
    const std::optional<CalendarReader::Calendar> read = CalendarReader::Parse(text);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->events.size(), 1u);
    EXPECT_EQ(read->events[0].summary, name);
}

TEST_F(PlanCalendarTest, WritesANameStoredInAnotherEncodingAsUtf8)
{
    shower->SetName("Kr\xE4uter");
    auto plan = PlanBuilder::MakePersonalPlan(workday, { { shower, 400 } });
    const CalendarReader::Calendar calendar = ReadOne(*plan, PlanCalendar::Summary::TaskName);
    ASSERT_EQ(calendar.events.size(), 1u);
    EXPECT_EQ(calendar.events[0].summary, "Kr\xC3\xA4uter");
}

TEST_F(PlanCalendarTest, RefusesAPlanReachingBeforeTheFirstYear)
{
    auto plan = PlanBuilder::MakePersonalPlan(workday, { { shower, -60 } });
    PlanCalendar calendar(*CalendarDay::Parse("0001-01-01"), ExportMoment);
    calendar.Add(*plan, PlanCalendar::Summary::TaskName);
    EXPECT_FALSE(calendar.ToText());
}

} // namespace
