#include "planning/Timetable.h"

#include "PlanBuilder.h"
#include "Scenario.h"
#include "model/Profile.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Clock(std::int32_t minutes)
{
    char text[Timetable::clockTextSize];
    Timetable::FormatClock(minutes, text);
    return text;
}

class TimetableTest : public ::testing::Test {
protected:
    Scenario scenario;
    Person* person = scenario.AddPerson("Anna");
    Task* breakfast = scenario.AddTask(person, "Breakfast", 30);
    Task* bus = scenario.AddTask(person, "Bus", 20);
    Profile* profile = scenario.AddProfile(person, 1080, { breakfast, bus });
    PersonalPlan plan { profile };
};

} // namespace

TEST_F(TimetableTest, ShowsHoursAndMinutesWithoutWrappingPastMidnight)
{
    EXPECT_EQ(Clock(0), "00:00");
    EXPECT_EQ(Clock(1110), "18:30");
    EXPECT_EQ(Clock(1500), "25:00");
    EXPECT_EQ(Clock(6000000), "100000:00");
}

TEST_F(TimetableTest, ShowsTheSignOfANegativeTimeOnce)
{
    EXPECT_EQ(Clock(-90), "-01:30");
    EXPECT_EQ(Clock(-5), "-00:05");
    EXPECT_EQ(Clock(INT32_MIN), "-35791394:08");
}

TEST_F(TimetableTest, AnEmptyPlanHasNoRows)
{
    EXPECT_TRUE(Timetable::RowsOf(plan).empty());
}

TEST_F(TimetableTest, TasksBackToBackHaveNoPause)
{
    PlanBuilder::Place(plan, breakfast, 480);
    PlanBuilder::Place(plan, bus, 510);
    auto rows = Timetable::RowsOf(plan);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].task, breakfast);
    EXPECT_EQ(rows[1].task, bus);
    EXPECT_EQ(rows[1].minute, 510);
}

TEST_F(TimetableTest, AGapBecomesAPauseFromTheEndOfThePreviousTask)
{
    PlanBuilder::Place(plan, breakfast, 480);
    PlanBuilder::Place(plan, bus, 540);
    auto rows = Timetable::RowsOf(plan);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].task, nullptr);
    EXPECT_EQ(rows[1].minute, 510);
    EXPECT_EQ(rows[2].minute, 540);
}
