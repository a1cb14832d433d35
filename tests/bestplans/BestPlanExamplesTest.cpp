#include "BestPlanRun.h"
#include "ModelBuilder.h"
#include "model/BorrowedList.h"
#include "model/PlanningModel.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"

#include <gtest/gtest.h>

namespace {

class BestPlanExamples : public ::testing::Test {
protected:
    BestPlanRun Run()
    {
        BestPlanRun run = BestPlanRun::Of(chosen.GetItems());
        ExpectSoundDistinctAscending(run, chosen.GetItems());
        return run;
    }

    PlanningModel model;
    ModelBuilder builder { model };
    BorrowedList<Profile> chosen;
};

// Shop (30) before Cook (60), done by 18:00.
class EveningCooking : public BestPlanExamples {
protected:
    EveningCooking()
    {
        anna = builder.AddPerson("Anna");
        shop = builder.AddTask(anna, "Shop", 30);
        cook = builder.AddTask(anna, "Cook", 60);
        evening = builder.AddProfile(anna, "Evening", 1080, { shop, cook });
        entry = ModelBuilder::Precede(evening, shop, cook);
        chosen.Add(evening);
    }

    Person* anna;
    Task* shop;
    Task* cook;
    Profile* evening;
    PrecedentTask* entry;
};

} // namespace

TEST_F(EveningCooking, BestPlanPutsTheTasksBackToBackAtTheEnd)
{
    BestPlanRun run = Run();
    ASSERT_GE(run.GetCount(), 1);
    EXPECT_TRUE(run.proven);
    EXPECT_EQ(run.DelayOf(0), 0);
    EXPECT_EQ(run.StartOf(0, shop), 990);
    EXPECT_EQ(run.StartOf(0, cook), 1020);
}

TEST_F(EveningCooking, FurtherPlansAreDistinctAndWorse)
{
    BestPlanRun run = Run();
    ASSERT_EQ(run.GetCount(), 20);
    EXPECT_EQ(run.DelayOf(1), 1);
    EXPECT_EQ(run.DelayOf(19), 5);
}

TEST_F(EveningCooking, MinimumGapOfTenGivesAPlanWithTenMinutesDelay)
{
    entry->SetMinimumTime(10);
    BestPlanRun run = Run();
    ASSERT_GE(run.GetCount(), 1);
    EXPECT_TRUE(run.proven);
    EXPECT_EQ(run.DelayOf(0), 10);
    EXPECT_EQ(run.StartOf(0, shop), 980);
    EXPECT_EQ(run.StartOf(0, cook), 1020);
}

TEST_F(EveningCooking, SecondPersonBusyMeanwhileLeavesTheBestDelayAtTen)
{
    entry->SetMinimumTime(10);
    Person* bert = builder.AddPerson("Bert");
    Task* work = builder.AddTask(bert, "Work", 120);
    chosen.Add(builder.AddProfile(bert, "Day", 1080, { work }));
    BestPlanRun run = Run();
    ASSERT_GE(run.GetCount(), 1);
    EXPECT_EQ(run.DelayOf(0), 10);
    EXPECT_EQ(run.StartOf(0, work), 960);
    EXPECT_EQ(run.plans->Get(0)->GetPersonalPlans().Get(1)->GetDelay(), 0);
}

TEST_F(EveningCooking, MaximumGapBelowTheLaterDurationStillPlans)
{
    entry->SetMinimumTime(5);
    entry->SetMaximumTime(7);
    BestPlanRun run = Run();
    ASSERT_GE(run.GetCount(), 1);
    EXPECT_EQ(run.DelayOf(0), 5);
    EXPECT_EQ(run.StartOf(0, shop), 985);
}

TEST_F(BestPlanExamples, SharedResourceDelaysOneOfTwoPersonsByItsUse)
{
    Resource* bathroom = builder.AddResource("Bathroom");
    Task* annaShower = builder.AddTask(builder.AddPerson("Anna"), "Shower", 30, { bathroom });
    Task* bertShower = builder.AddTask(builder.AddPerson("Bert"), "Shower", 30, { bathroom });
    chosen.Add(builder.AddProfile(annaShower->GetOwner(), "Day", 1080, { annaShower }));
    chosen.Add(builder.AddProfile(bertShower->GetOwner(), "Day", 1080, { bertShower }));
    BestPlanRun run = Run();
    ASSERT_EQ(run.GetCount(), 20);
    EXPECT_TRUE(run.proven);
    EXPECT_EQ(run.DelayOf(0), 30);
    EXPECT_EQ(run.DelayOf(1), 30);
    EXPECT_EQ(run.DelayOf(2), 31);
    EXPECT_NE(run.StartOf(0, annaShower), run.StartOf(1, annaShower));
}

TEST_F(BestPlanExamples, ResourceAmountOfTwoLetsTwoPersonsUseItAtOnce)
{
    Resource* bathroom = builder.AddResource("Bathroom", 2);
    Task* annaShower = builder.AddTask(builder.AddPerson("Anna"), "Shower", 30, { bathroom });
    Task* bertShower = builder.AddTask(builder.AddPerson("Bert"), "Shower", 30, { bathroom });
    Task* carlShower = builder.AddTask(builder.AddPerson("Carl"), "Shower", 30, { bathroom });
    chosen.Add(builder.AddProfile(annaShower->GetOwner(), "Day", 1080, { annaShower }));
    chosen.Add(builder.AddProfile(bertShower->GetOwner(), "Day", 1080, { bertShower }));
    BestPlanRun run = Run();
    ASSERT_GE(run.GetCount(), 1);
    EXPECT_EQ(run.DelayOf(0), 0);
    chosen.Add(builder.AddProfile(carlShower->GetOwner(), "Day", 1080, { carlShower }));
    run = Run();
    ASSERT_GE(run.GetCount(), 1);
    EXPECT_EQ(run.DelayOf(0), 30);
}

TEST_F(BestPlanExamples, TaskOfDurationZeroNeverWaitsForAResource)
{
    Resource* kitchen = builder.AddResource("Kitchen");
    Task* cook = builder.AddTask(builder.AddPerson("Anna"), "Cook", 60, { kitchen });
    Task* glance = builder.AddTask(builder.AddPerson("Bert"), "Glance", 0, { kitchen });
    Task* tidy = builder.AddTask(glance->GetOwner(), "Tidy", 20);
    chosen.Add(builder.AddProfile(cook->GetOwner(), "Day", 1100, { cook }));
    Profile* bert = builder.AddProfile(glance->GetOwner(), "Day", 1080, { tidy, glance });
    ModelBuilder::Precede(bert, tidy, glance, 0, 0);
    chosen.Add(bert);
    BestPlanRun run = Run();
    ASSERT_GE(run.GetCount(), 1);
    EXPECT_EQ(run.DelayOf(0), 0);
    EXPECT_EQ(run.StartOf(0, glance), 1080);
}

TEST_F(BestPlanExamples, EndTimeMidnightPlansBeforeMidnight)
{
    Person* anna = builder.AddPerson("Anna");
    Task* read = builder.AddTask(anna, "Read", 45);
    chosen.Add(builder.AddProfile(anna, "Night", 0, { read }));
    BestPlanRun run = Run();
    ASSERT_GE(run.GetCount(), 1);
    EXPECT_EQ(run.StartOf(0, read), -45);
}

TEST_F(BestPlanExamples, LongMinimumGapIsKeptFarBelowTheEndTime)
{
    Person* anna = builder.AddPerson("Anna");
    Task* sow = builder.AddTask(anna, "Sow", 30);
    Task* water = builder.AddTask(anna, "Water", 10);
    Task* harvest = builder.AddTask(anna, "Harvest", 60);
    Profile* garden = builder.AddProfile(anna, "Garden", 600, { sow, water, harvest });
    ModelBuilder::Precede(garden, sow, harvest, 5000);
    ModelBuilder::Precede(garden, water, harvest, 0, 0);
    chosen.Add(garden);
    BestPlanRun run = Run();
    ASSERT_GE(run.GetCount(), 1);
    EXPECT_TRUE(run.proven);
    EXPECT_EQ(run.StartOf(0, harvest), 540);
    EXPECT_EQ(run.StartOf(0, water), 530);
    EXPECT_EQ(run.StartOf(0, sow), 540 - 5000 - 30);
    EXPECT_EQ(run.DelayOf(0), 5000 - 10);
}

TEST_F(BestPlanExamples, ProfileWithoutTasksGetsAnEmptyPersonalPlan)
{
    Person* anna = builder.AddPerson("Anna");
    chosen.Add(builder.AddProfile(anna, "Free", 600));
    BestPlanRun run = Run();
    ASSERT_EQ(run.GetCount(), 1);
    EXPECT_TRUE(run.proven);
    ASSERT_EQ(run.plans->Get(0)->GetPersonalPlans().GetCount(), 1);
    EXPECT_EQ(run.plans->Get(0)->GetPersonalPlans().Get(0)->GetExecutions().GetCount(), 0);
}

TEST_F(BestPlanExamples, NoProfileChosenGivesOneEmptyPlan)
{
    BestPlanRun run = Run();
    ASSERT_EQ(run.GetCount(), 1);
    EXPECT_TRUE(run.proven);
    EXPECT_EQ(run.plans->Get(0)->GetPersonalPlans().GetCount(), 0);
}

TEST_F(BestPlanExamples, BestDelaySoFarIsReportedToTheControl)
{
    Resource* bathroom = builder.AddResource("Bathroom");
    Task* annaShower = builder.AddTask(builder.AddPerson("Anna"), "Shower", 30, { bathroom });
    Task* bertShower = builder.AddTask(builder.AddPerson("Bert"), "Shower", 20, { bathroom });
    chosen.Add(builder.AddProfile(annaShower->GetOwner(), "Day", 1080, { annaShower }));
    chosen.Add(builder.AddProfile(bertShower->GetOwner(), "Day", 1080, { bertShower }));
    BestPlanComputation computation(chosen.GetItems());
    SearchControl control;
    computation.Run(control);
    ASSERT_TRUE(control.GetBestDelay());
    EXPECT_EQ(*control.GetBestDelay(), 20);
    EXPECT_TRUE(control.IsBestProven());
}

TEST_F(EveningCooking, NegativeGapLetsALaterTaskOfNoDurationEndInsideTheEarlier)
{
    shop->SetDuration(0);
    entry->SetMinimumTime(-30);
    entry->SetMaximumTime(-20);
    BestPlanRun run = Run();
    ASSERT_EQ(run.GetCount(), 20);
    EXPECT_EQ(run.DelayOf(0), 0);
    int withoutDelay = 0;
    for (int plan = 0; plan < run.GetCount(); ++plan) {
        if (run.DelayOf(plan) == 0) {
            ++withoutDelay;
            EXPECT_EQ(run.StartOf(plan, cook), 1020);
        }
    }
    EXPECT_EQ(withoutDelay, 11);
}

TEST_F(EveningCooking, NegativeGapBetweenTasksThatTakeTimeHasNoPlan)
{
    entry->SetMinimumTime(-30);
    entry->SetMaximumTime(-20);
    BestPlanRun run = BestPlanRun::Of(chosen.GetItems());
    EXPECT_EQ(run.GetCount(), 0);
    EXPECT_EQ(run.reasons,
        std::vector<std::string>({ "Anna / Evening: these precedences cannot all hold with one task "
                                   "at a time: Shop -30 to -20 minutes before Cook." }));
}

TEST_F(EveningCooking, TaskOfNegativeDurationKeepsEveryRule)
{
    shop->SetDuration(-15);
    BestPlanRun run = Run();
    ASSERT_GE(run.GetCount(), 1);
    EXPECT_TRUE(run.proven);
}

TEST_F(EveningCooking, TimesBeyondTheSolversRangeAreNamedAsTheReason)
{
    cook->SetDuration(2'000'000'000);
    shop->SetDuration(2'000'000'000);
    BestPlanRun run = BestPlanRun::Of(chosen.GetItems());
    EXPECT_EQ(run.GetCount(), 0);
    EXPECT_EQ(run.reasons, std::vector<std::string>({ "The times of the chosen profiles are too large to plan." }));
}
