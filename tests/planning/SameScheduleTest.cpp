#include "planning/SameSchedule.h"

#include "ModelBuilder.h"
#include "PlanBuilder.h"
#include "model/PlanningModel.h"
#include "planning/CompletePlan.h"

#include <gtest/gtest.h>

namespace {

class SameScheduleTest : public ::testing::Test {
protected:
    SameScheduleTest()
    {
        anna = build.AddPerson("Anna");
        bert = build.AddPerson("Bert");
        shower = build.AddTask(anna, "Shower", 15);
        drive = build.AddTask(anna, "Drive", 0);
        wash = build.AddTask(bert, "Wash", 10);
        annaDay = build.AddProfile(anna, "Workday", 480, { shower, drive });
        annaOff = build.AddProfile(anna, "Day off", 480, { shower, drive });
        bertDay = build.AddProfile(bert, "Day", 480, { wash });
    }

    PlanningModel model;
    ModelBuilder build { model };
    Person* anna;
    Person* bert;
    Task* shower;
    Task* drive;
    Task* wash;
    Profile* annaDay;
    Profile* annaOff;
    Profile* bertDay;
};

TEST_F(SameScheduleTest, HoldsForTheSameStartsOfEveryTask)
{
    auto left = PlanBuilder().Add(annaDay, { { shower, 400 }, { drive, 415 } }).Add(bertDay, { { wash, 400 } }).Build();
    auto right
        = PlanBuilder().Add(annaDay, { { shower, 400 }, { drive, 415 } }).Add(bertDay, { { wash, 400 } }).Build();
    EXPECT_TRUE(SameSchedule::Of(*left, *right));
}

TEST_F(SameScheduleTest, FailsForOneTaskAMinuteLater)
{
    auto left = PlanBuilder().Add(annaDay, { { shower, 400 }, { drive, 415 } }).Add(bertDay, { { wash, 400 } }).Build();
    auto right
        = PlanBuilder().Add(annaDay, { { shower, 400 }, { drive, 415 } }).Add(bertDay, { { wash, 401 } }).Build();
    EXPECT_FALSE(SameSchedule::Of(*left, *right));
}

TEST_F(SameScheduleTest, IgnoresTheOrderOfExecutionsStartingInTheSameMinute)
{
    auto left = PlanBuilder().Add(annaDay, { { drive, 400 }, { shower, 400 } }).Build();
    auto right = PlanBuilder().Add(annaDay, { { shower, 400 }, { drive, 400 } }).Build();
    EXPECT_TRUE(SameSchedule::Of(*left, *right));
}

TEST_F(SameScheduleTest, FailsForAnotherProfileOrAnotherOrderOfPersons)
{
    auto workday = PlanBuilder().Add(annaDay, { { shower, 400 } }).Add(bertDay, { { wash, 400 } }).Build();
    auto dayOff = PlanBuilder().Add(annaOff, { { shower, 400 } }).Add(bertDay, { { wash, 400 } }).Build();
    auto swapped = PlanBuilder().Add(bertDay, { { wash, 400 } }).Add(annaDay, { { shower, 400 } }).Build();
    EXPECT_FALSE(SameSchedule::Of(*workday, *dayOff));
    EXPECT_FALSE(SameSchedule::Of(*workday, *swapped));
}

TEST_F(SameScheduleTest, FailsForAMissingExecutionOrPersonalPlan)
{
    auto full = PlanBuilder().Add(annaDay, { { shower, 400 }, { drive, 415 } }).Add(bertDay, { { wash, 400 } }).Build();
    auto lessTasks = PlanBuilder().Add(annaDay, { { shower, 400 } }).Add(bertDay, { { wash, 400 } }).Build();
    auto lessPersons = PlanBuilder().Add(annaDay, { { shower, 400 }, { drive, 415 } }).Build();
    EXPECT_FALSE(SameSchedule::Of(*full, *lessTasks));
    EXPECT_FALSE(SameSchedule::Of(*full, *lessPersons));
    EXPECT_FALSE(SameSchedule::Of(*lessPersons, *full));
}

TEST_F(SameScheduleTest, NamesTheFirstEarlierPlanOfTheSameSchedule)
{
    toolbox::ArrayList<CompletePlan> plans;
    PlanBuilder().Add(annaDay, { { shower, 400 } }).BuildInto(plans);
    PlanBuilder().Add(annaDay, { { shower, 390 } }).BuildInto(plans);
    PlanBuilder().Add(annaDay, { { shower, 390 } }).BuildInto(plans);
    PlanBuilder().Add(annaDay, { { shower, 400 } }).BuildInto(plans);
    EXPECT_EQ(SameSchedule::FirstEarlierIndex(plans, 0), -1);
    EXPECT_EQ(SameSchedule::FirstEarlierIndex(plans, 1), -1);
    EXPECT_EQ(SameSchedule::FirstEarlierIndex(plans, 2), 1);
    EXPECT_EQ(SameSchedule::FirstEarlierIndex(plans, 3), 0);
    EXPECT_EQ(SameSchedule::FirstEarlierIndex(plans, 4), -1);
}

} // namespace
