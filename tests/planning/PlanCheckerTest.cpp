#include "planning/PlanChecker.h"
#include "ModelBuilder.h"
#include "PlanBuilder.h"
#include "model/BorrowedList.h"
#include "model/PlanningModel.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace {

using Placements = std::initializer_list<PlanBuilder::Placement>;

// Anna's evening ends at 18:00 with Shop (30) before Cook (60); Bert's with
// Drive (60). Shop and Drive both need the car.
class PlanCheckerTest : public ::testing::Test {
protected:
    PlanCheckerTest()
    {
        car = builder.AddResource("Car");
        Person* anna = builder.AddPerson("Anna");
        shop = builder.AddTask(anna, "Shop", 30, { car });
        cook = builder.AddTask(anna, "Cook", 60);
        evening = builder.AddProfile(anna, "Evening", 1080, { shop, cook });
        gap = ModelBuilder::Precede(evening, shop, cook);
        Person* bert = builder.AddPerson("Bert");
        drive = builder.AddTask(bert, "Drive", 60, { car });
        errands = builder.AddProfile(bert, "Errands", 1080, { drive });
        chosen.Add(evening);
        chosen.Add(errands);
    }

    std::vector<std::string> Check(Placements anna, Placements bert)
    {
        plan = PlanBuilder().Add(evening, anna).Add(errands, bert).Build();
        return PlanChecker::Check(*plan, chosen.GetItems());
    }

    PlanningModel model;
    ModelBuilder builder { model };
    BorrowedList<Profile> chosen;
    Resource* car;
    Task* shop;
    Task* cook;
    Task* drive;
    Profile* evening;
    Profile* errands;
    PrecedentTask* gap;
    std::unique_ptr<CompletePlan> plan;
};

} // namespace

TEST_F(PlanCheckerTest, SoundPlanHasNoFaults)
{
    EXPECT_TRUE(Check({ { shop, 990 }, { cook, 1020 } }, { { drive, 930 } }).empty());
}

TEST_F(PlanCheckerTest, MissingOrRepeatedTaskIsAFault)
{
    EXPECT_EQ(Check({ { cook, 1020 } }, { { drive, 930 } }).size(), 1u);
    EXPECT_EQ(Check({ { shop, 900 }, { shop, 990 }, { cook, 1020 } }, { { drive, 800 } }).size(), 1u);
}

TEST_F(PlanCheckerTest, TaskOfAnotherProfileIsAFault)
{
    auto faults = Check({ { shop, 990 }, { cook, 1020 } }, { { drive, 900 }, { cook, 1000 } });
    ASSERT_FALSE(faults.empty());
    EXPECT_EQ(faults[0], "Bert / Errands: Cook is not a task of the profile.");
}

TEST_F(PlanCheckerTest, ExecutionsOutOfOrderAreAFault)
{
    EXPECT_FALSE(Check({ { cook, 1020 }, { shop, 990 } }, { { drive, 930 } }).empty());
}

TEST_F(PlanCheckerTest, OverlapOfOnePersonsTasksIsAFault)
{
    auto faults = Check({ { shop, 1000 }, { cook, 1020 } }, { { drive, 900 } });
    ASSERT_EQ(faults.size(), 2u);
    EXPECT_EQ(faults[0], "Anna / Evening: Shop and Cook overlap.");
}

TEST_F(PlanCheckerTest, TasksThatOnlyTouchDoNotOverlap)
{
    EXPECT_TRUE(Check({ { shop, 990 }, { cook, 1020 } }, { { drive, 1020 } }).empty());
}

TEST_F(PlanCheckerTest, EndingAfterTheEndTimeIsAFault)
{
    auto faults = Check({ { shop, 991 }, { cook, 1021 } }, { { drive, 900 } });
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0], "Anna / Evening: Cook ends after the end time.");
}

TEST_F(PlanCheckerTest, BrokenMinimumOrMaximumGapIsAFault)
{
    gap->SetMinimumTime(10);
    EXPECT_EQ(Check({ { shop, 990 }, { cook, 1020 } }, { { drive, 900 } }),
        std::vector<std::string>({ "Anna / Evening: Shop ends 0 minutes before Cook starts." }));
    EXPECT_TRUE(Check({ { shop, 980 }, { cook, 1020 } }, { { drive, 900 } }).empty());
    gap->SetMaximumTime(15);
    EXPECT_FALSE(Check({ { shop, 900 }, { cook, 1020 } }, { { drive, 800 } }).empty());
}

TEST_F(PlanCheckerTest, OnlyTheFirstEntryOfARelationForATaskCounts)
{
    PrecedentTask* second = ModelBuilder::Precede(evening, shop, cook, 100, 200);
    EXPECT_TRUE(Check({ { shop, 990 }, { cook, 1020 } }, { { drive, 930 } }).empty());
    gap->SetMaximumTime(second->GetMaximumTime());
    gap->SetMinimumTime(second->GetMinimumTime());
    EXPECT_FALSE(Check({ { shop, 990 }, { cook, 1020 } }, { { drive, 930 } }).empty());
}

TEST_F(PlanCheckerTest, ResourceUsedBeyondItsAmountIsAFault)
{
    auto faults = Check({ { shop, 990 }, { cook, 1020 } }, { { drive, 1000 } });
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0], "Car is used 2 times at once from minute 1000.");
    car->SetAmount(2);
    EXPECT_TRUE(Check({ { shop, 990 }, { cook, 1020 } }, { { drive, 1000 } }).empty());
}

TEST_F(PlanCheckerTest, AmountBelowOneStillLetsOneUseTheResource)
{
    car->SetAmount(0);
    EXPECT_TRUE(Check({ { shop, 990 }, { cook, 1020 } }, { { drive, 930 } }).empty());
}

TEST_F(PlanCheckerTest, TaskOfDurationZeroUsesNoResourceTime)
{
    drive->SetDuration(0);
    EXPECT_TRUE(Check({ { shop, 990 }, { cook, 1020 } }, { { drive, 1000 } }).empty());
}

TEST_F(PlanCheckerTest, PersonalPlansMustFollowTheChosenProfiles)
{
    plan = PlanBuilder().Add(errands, { { drive, 930 } }).Add(evening, { { shop, 990 }, { cook, 1020 } }).Build();
    EXPECT_EQ(PlanChecker::Check(*plan, chosen.GetItems()).size(), 2u);
    plan->GetPersonalPlans().DeleteLast();
    EXPECT_EQ(PlanChecker::Check(*plan, chosen.GetItems()).size(), 1u);
}
