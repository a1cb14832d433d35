#include "PlanBuilder.h"
#include "Scenario.h"

#include "model/Profile.h"
#include "model/Task.h"
#include "planning/CompareByTotalDelay.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

#include <gtest/gtest.h>

namespace {

class PlanRecords : public ::testing::Test {
protected:
    PlanRecords()
    {
        anna = scenario.AddPerson("Anna");
        shop = scenario.AddTask(anna, "Shop", 30);
        cook = scenario.AddTask(anna, "Cook", 60);
        day = scenario.AddProfile(anna, 1080, { shop, cook });
    }

    Scenario scenario;
    Person* anna;
    Task* shop;
    Task* cook;
    Profile* day;
};

} // namespace

TEST_F(PlanRecords, NewExecutionStartsAtZero)
{
    TaskExecution execution(shop);
    EXPECT_EQ(execution.GetTask(), shop);
    EXPECT_EQ(execution.GetStartTime(), 0);
}

TEST_F(PlanRecords, EmptyPlanStartsAtTheEndTime)
{
    PersonalPlan plan(day);
    EXPECT_EQ(plan.GetProfile(), day);
    EXPECT_EQ(plan.GetStartTime(), 1080);
    EXPECT_EQ(plan.GetEndTime(), 1080);
}

TEST_F(PlanRecords, EmptyPlanOfAProfileWithTasksHasNegativeTotalDurationAsDelay)
{
    PersonalPlan plan(day);
    EXPECT_EQ(plan.GetDelay(), -90);
}

TEST_F(PlanRecords, EmptyPlanOfAnEmptyProfileHasNoDelay)
{
    Profile* empty = scenario.AddProfile(anna, 600);
    PersonalPlan plan(empty);
    EXPECT_EQ(plan.GetStartTime(), 600);
    EXPECT_EQ(plan.GetDelay(), 0);
}

TEST_F(PlanRecords, BackToBackTasksEndingAtTheEndTimeHaveNoDelay)
{
    PersonalPlan plan(day);
    PlanBuilder::Place(plan, shop, 990);
    PlanBuilder::Place(plan, cook, 1020);
    EXPECT_EQ(plan.GetStartTime(), 990);
    EXPECT_EQ(plan.GetDelay(), 0);
}

TEST_F(PlanRecords, GapBetweenTasksCountsAsDelay)
{
    PersonalPlan plan(day);
    PlanBuilder::Place(plan, shop, 975);
    PlanBuilder::Place(plan, cook, 1020);
    EXPECT_EQ(plan.GetDelay(), 15);
}

TEST_F(PlanRecords, EndingEarlyCountsAsDelay)
{
    PersonalPlan plan(day);
    PlanBuilder::Place(plan, shop, 975);
    PlanBuilder::Place(plan, cook, 1005);
    EXPECT_EQ(plan.GetDelay(), 15);
}

TEST_F(PlanRecords, TotalDelaySumsThePersonalPlans)
{
    CompletePlan complete;
    EXPECT_EQ(complete.GetTotalDelay(), 0);
    PlanBuilder::AddPersonalPlan(complete, day, { { shop, 980 }, { cook, 1020 } });
    PlanBuilder::AddPersonalPlan(complete, day, { { shop, 970 }, { cook, 1020 } });
    EXPECT_EQ(complete.GetTotalDelay(), 30);
}

TEST_F(PlanRecords, CompareByTotalDelayOrdersBySmallerDelayFirst)
{
    CompletePlan none;
    CompletePlan some;
    PlanBuilder::AddPersonalPlan(some, day, { { shop, 980 }, { cook, 1020 } });
    CompletePlan alsoNone;
    EXPECT_EQ(CompareByTotalDelay(&none, &some), -1);
    EXPECT_EQ(CompareByTotalDelay(&some, &none), 1);
    EXPECT_EQ(CompareByTotalDelay(&none, &alsoNone), 0);
}

TEST_F(PlanRecords, FindExecutionAnswersTheFirstOfATask)
{
    PersonalPlan plan(day);
    PlanBuilder::Place(plan, shop, 900);
    PlanBuilder::Place(plan, shop, 950);
    EXPECT_EQ(plan.FindExecution(shop)->GetStartTime(), 900);
    EXPECT_EQ(plan.FindExecution(cook), nullptr);
}

TEST_F(PlanRecords, DelayBeyondThirtyTwoBitsIsExactAndShownAtTheNearestThirtyTwoBitValue)
{
    shop->SetDuration(-2147483647 - 1);
    cook->SetDuration(-2147483647 - 1);
    PersonalPlan plan(day);
    PlanBuilder::Place(plan, shop, 0);
    EXPECT_EQ(plan.GetExactDelay(), std::int64_t { 1080 } + 4294967296);
    EXPECT_EQ(plan.GetDelay(), 2147483647);

    cook->SetDuration(2147483647);
    shop->SetDuration(2147483647);
    day->SetEndTime(-2147483647 - 1);
    EXPECT_EQ(plan.GetExactDelay(), -std::int64_t { 2147483648 } - 4294967294);
    EXPECT_EQ(plan.GetDelay(), -2147483647 - 1);
}

TEST_F(PlanRecords, TotalDelayIsSummedExactlyAndRanksByTheExactSum)
{
    shop->SetDuration(-2147483647 - 1);
    cook->SetDuration(0);
    CompletePlan twice;
    PlanBuilder::AddPersonalPlan(twice, day, { { shop, 0 } });
    PlanBuilder::AddPersonalPlan(twice, day, { { shop, 0 } });
    CompletePlan once;
    PlanBuilder::AddPersonalPlan(once, day, { { shop, 0 } });

    EXPECT_EQ(twice.GetExactTotalDelay(), 2 * (std::int64_t { 1080 } + 2147483648));
    EXPECT_EQ(twice.GetTotalDelay(), 2147483647);
    EXPECT_EQ(once.GetTotalDelay(), 2147483647);
    EXPECT_EQ(CompareByTotalDelay(&once, &twice), -1);
    EXPECT_EQ(CompareByTotalDelay(&twice, &once), 1);
}
