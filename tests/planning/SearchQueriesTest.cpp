#include "Scenario.h"

#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/AttemptQueries.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

#include <gtest/gtest.h>

namespace {

class SearchQueries : public ::testing::Test {
protected:
    SearchQueries()
    {
        anna = scenario.AddPerson("Anna");
        bert = scenario.AddPerson("Bert");
        car = scenario.AddResource("Car");
        stove = scenario.AddResource("Stove");
    }

    PersonalPlan* AddPlan(Profile* profile)
    {
        auto* plan = new PersonalPlan(profile);
        attempt.GetPersonalPlans().Add(plan);
        return plan;
    }

    static void PlaceAtFront(PersonalPlan* plan, Task* task, std::int32_t start)
    {
        auto* execution = new TaskExecution(task);
        execution->SetStartTime(start);
        plan->GetExecutions().Insert(execution, 0);
    }

    Scenario scenario;
    CompletePlan attempt;
    AttemptQueries queries { attempt };
    Person* anna;
    Person* bert;
    Resource* car;
    Resource* stove;
};

} // namespace

TEST_F(SearchQueries, ResourceIsFreeBeforeAfterAndWhenOnlyTouching)
{
    Task* drive = scenario.AddTask(anna, "Drive", 60, { car });
    PlaceAtFront(AddPlan(scenario.AddProfile(anna, 1080, { drive })), drive, 600);

    EXPECT_TRUE(queries.IsResourceFree(car, 540, 600));
    EXPECT_TRUE(queries.IsResourceFree(car, 660, 700));
    EXPECT_FALSE(queries.IsResourceFree(car, 599, 610));
    EXPECT_FALSE(queries.IsResourceFree(car, 659, 700));
    EXPECT_FALSE(queries.IsResourceFree(car, 500, 700));
    EXPECT_TRUE(queries.IsResourceFree(stove, 600, 660));
}

TEST_F(SearchQueries, ResourceUseOfAnyPersonCounts)
{
    Task* drive = scenario.AddTask(bert, "Drive", 30, { stove, car });
    AddPlan(scenario.AddProfile(anna, 1080));
    PlaceAtFront(AddPlan(scenario.AddProfile(bert, 1080, { drive })), drive, 1000);
    EXPECT_FALSE(queries.IsResourceFree(car, 1010, 1020));
}

TEST_F(SearchQueries, ResourceAmountDoesNotAllowSharing)
{
    car->SetAmount(5);
    Task* drive = scenario.AddTask(anna, "Drive", 60, { car });
    PlaceAtFront(AddPlan(scenario.AddProfile(anna, 1080, { drive })), drive, 600);
    EXPECT_FALSE(queries.IsResourceFree(car, 630, 640));
}

TEST_F(SearchQueries, ZeroLengthUseConflictsOnlyWithAnExecutionRunningAcrossIt)
{
    Task* drive = scenario.AddTask(anna, "Drive", 60, { car });
    PlaceAtFront(AddPlan(scenario.AddProfile(anna, 1080, { drive })), drive, 600);
    EXPECT_FALSE(queries.IsResourceFree(car, 630, 630));
    EXPECT_TRUE(queries.IsResourceFree(car, 600, 600));
    EXPECT_TRUE(queries.IsResourceFree(car, 660, 660));
}

TEST_F(SearchQueries, ZeroLengthExecutionConflictsOnlyWithAnIntervalStrictlyContainingIt)
{
    Task* check = scenario.AddTask(anna, "Check", 0, { car });
    PlaceAtFront(AddPlan(scenario.AddProfile(anna, 1080, { check })), check, 600);
    EXPECT_FALSE(queries.IsResourceFree(car, 590, 610));
    EXPECT_TRUE(queries.IsResourceFree(car, 600, 610));
    EXPECT_TRUE(queries.IsResourceFree(car, 590, 600));
    EXPECT_TRUE(queries.IsResourceFree(car, 600, 600));
}

TEST_F(SearchQueries, PrecedencesHoldForATaskThatPrecedesNothing)
{
    Task* shop = scenario.AddTask(anna, "Shop", 30);
    PersonalPlan* plan = AddPlan(scenario.AddProfile(anna, 1080, { shop }));
    EXPECT_TRUE(AttemptQueries::ArePrecedencesSatisfied(*plan, shop, 1080));
}

TEST_F(SearchQueries, EarlierTaskWaitsUntilTheLaterTaskIsPlaced)
{
    Task* shop = scenario.AddTask(anna, "Shop", 30);
    Task* cook = scenario.AddTask(anna, "Cook", 60);
    Profile* day = scenario.AddProfile(anna, 1080, { shop, cook });
    scenario.Precede(day, shop, cook);
    PersonalPlan* plan = AddPlan(day);
    EXPECT_FALSE(AttemptQueries::ArePrecedencesSatisfied(*plan, shop, 1080));
    EXPECT_TRUE(AttemptQueries::ArePrecedencesSatisfied(*plan, cook, 1080));
}

TEST_F(SearchQueries, PrecedenceBoundsAreInclusive)
{
    Task* shop = scenario.AddTask(anna, "Shop", 30);
    Task* cook = scenario.AddTask(anna, "Cook", 60);
    Profile* day = scenario.AddProfile(anna, 1080, { shop, cook });
    scenario.Precede(day, shop, cook, 10, 40);
    PersonalPlan* plan = AddPlan(day);
    PlaceAtFront(plan, cook, 1020);

    EXPECT_FALSE(AttemptQueries::ArePrecedencesSatisfied(*plan, shop, 1011));
    EXPECT_TRUE(AttemptQueries::ArePrecedencesSatisfied(*plan, shop, 1010));
    EXPECT_TRUE(AttemptQueries::ArePrecedencesSatisfied(*plan, shop, 980));
    EXPECT_FALSE(AttemptQueries::ArePrecedencesSatisfied(*plan, shop, 979));
}

TEST_F(SearchQueries, EveryLaterTaskOfAnEarlierTaskIsChecked)
{
    Task* shop = scenario.AddTask(anna, "Shop", 30);
    Task* cook = scenario.AddTask(anna, "Cook", 60);
    Task* bake = scenario.AddTask(anna, "Bake", 60);
    Profile* day = scenario.AddProfile(anna, 1080, { shop, cook, bake });
    scenario.Precede(day, shop, cook);
    scenario.Precede(day, shop, bake, 0, 5);
    PersonalPlan* plan = AddPlan(day);
    PlaceAtFront(plan, cook, 1020);
    EXPECT_FALSE(AttemptQueries::ArePrecedencesSatisfied(*plan, shop, 1020));
    PlaceAtFront(plan, bake, 960);
    EXPECT_FALSE(AttemptQueries::ArePrecedencesSatisfied(*plan, shop, 1020));
    EXPECT_TRUE(AttemptQueries::ArePrecedencesSatisfied(*plan, shop, 960));
}

TEST_F(SearchQueries, OnlyTheFirstPrecedentEntryForATaskCounts)
{
    Task* shop = scenario.AddTask(anna, "Shop", 30);
    Task* cook = scenario.AddTask(anna, "Cook", 60);
    Profile* day = scenario.AddProfile(anna, 1080, { shop, cook });
    scenario.Precede(day, shop, cook, 0, 32767);
    scenario.Precede(day, shop, cook, 50, 60);
    PersonalPlan* plan = AddPlan(day);
    PlaceAtFront(plan, cook, 1020);
    EXPECT_TRUE(AttemptQueries::ArePrecedencesSatisfied(*plan, shop, 1020));
}

TEST_F(SearchQueries, CandidatesKeepRelationOrderAndSkipPlacedTasks)
{
    Task* shop = scenario.AddTask(anna, "Shop", 30);
    Task* cook = scenario.AddTask(anna, "Cook", 60);
    Task* read = scenario.AddTask(anna, "Read", 20);
    PersonalPlan* plan = AddPlan(scenario.AddProfile(anna, 1080, { read, shop, cook }));
    PlaceAtFront(plan, shop, 1050);

    std::unique_ptr<BorrowedList<Task>> candidates = queries.GetCandidateTasks(*plan, 1050);

    ASSERT_EQ(candidates->GetCount(), 2);
    EXPECT_EQ(candidates->Get(0), read);
    EXPECT_EQ(candidates->Get(1), cook);
}

TEST_F(SearchQueries, CandidatesNeedEveryRequiredResourceFree)
{
    Task* drive = scenario.AddTask(bert, "Drive", 60, { car });
    PlaceAtFront(AddPlan(scenario.AddProfile(bert, 1080, { drive })), drive, 1000);
    Task* cook = scenario.AddTask(anna, "Cook", 60, { stove, car });
    Task* read = scenario.AddTask(anna, "Read", 20, { stove });
    PersonalPlan* plan = AddPlan(scenario.AddProfile(anna, 1080, { cook, read }));

    std::unique_ptr<BorrowedList<Task>> candidates = queries.GetCandidateTasks(*plan, 1080);
    ASSERT_EQ(candidates->GetCount(), 1);
    EXPECT_EQ(candidates->Get(0), read);

    candidates = queries.GetCandidateTasks(*plan, 1000);
    EXPECT_EQ(candidates->GetCount(), 2);
}

TEST_F(SearchQueries, CandidatesExcludeAnEarlierTaskOutsideItsWindow)
{
    Task* shop = scenario.AddTask(anna, "Shop", 30);
    Task* cook = scenario.AddTask(anna, "Cook", 60);
    Profile* day = scenario.AddProfile(anna, 1080, { shop, cook });
    scenario.Precede(day, shop, cook, 10);
    PersonalPlan* plan = AddPlan(day);
    PlaceAtFront(plan, cook, 1020);
    EXPECT_EQ(queries.GetCandidateTasks(*plan, 1020)->GetCount(), 0);
    EXPECT_EQ(queries.GetCandidateTasks(*plan, 1010)->GetCount(), 1);
}

TEST_F(SearchQueries, ExtremeBoundsAndDurationsCompareWithoutWrapping)
{
    Task* shop = scenario.AddTask(anna, "Shop", 30);
    Task* haul = scenario.AddTask(anna, "Haul", 2147483647, { car });
    Profile* day = scenario.AddProfile(anna, 1080, { shop, haul });
    scenario.Precede(day, shop, haul, -2147483647 - 1, 2147483647);
    PersonalPlan* plan = AddPlan(day);
    PlaceAtFront(plan, haul, 1000);

    EXPECT_TRUE(AttemptQueries::ArePrecedencesSatisfied(*plan, shop, 0));
    EXPECT_FALSE(queries.IsResourceFree(car, 2000, 3000));
}
