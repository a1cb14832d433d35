#include "Scenario.h"

#include "planning/CompareByTotalDelay.h"
#include "planning/CompletePlan.h"
#include "planning/KeptAttempts.h"
#include "planning/PersonalPlan.h"
#include "planning/SearchIndex.h"
#include "planning/TaskExecution.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// One person with one 30-minute task ending the day at 18:00; an attempt
// places it at some start, which sets its delay.
class KeptAttemptsOfOneTask : public ::testing::Test {
protected:
    KeptAttemptsOfOneTask()
    {
        Person* anna = scenario.AddPerson("Anna");
        Task* read = scenario.AddTask(anna, "Read", 30);
        scenario.Choose(scenario.AddProfile(anna, 1080, { read }));
        index = std::make_unique<SearchIndex>(scenario.computation.GetChosenProfiles());
    }

    void Keep(std::int32_t start)
    {
        Placement placement { 0, start };
        kept.Keep(std::span(&placement, 1), 1080 - 30 - start);
        auto plan = KeptAttempts::BuildPlan(*index, std::span(&placement, 1));
        sorted.Add(plan.release());
    }

    static std::vector<std::int32_t> StartsOf(const toolbox::ArrayList<CompletePlan>& plans)
    {
        std::vector<std::int32_t> starts;
        for (const CompletePlan* plan : plans)
            starts.push_back(plan->GetPersonalPlans().Get(0)->GetExecutions().Get(0)->GetStartTime());
        return starts;
    }

    Scenario scenario;
    std::unique_ptr<SearchIndex> index;
    KeptAttempts kept;
    // The same attempts as records, for the list's own sort.
    toolbox::ArrayList<CompletePlan> sorted;
};

} // namespace

TEST_F(KeptAttemptsOfOneTask, KeepTheBestInTheOrderTheListSortLeavesThem)
{
    std::mt19937 random(7);
    for (int attempt = 0; attempt < 200; ++attempt)
        Keep(1050 - 5 * std::uniform_int_distribution<int>(0, 6)(random));

    auto best = kept.BuildBest(*index);
    sorted.Sort(CompareByTotalDelay);
    while (sorted.GetCount() > 20)
        sorted.DeleteLast();

    EXPECT_EQ(best->GetCount(), 20);
    EXPECT_EQ(StartsOf(*best), StartsOf(sorted));
}

TEST(KeptAttempts, BuildEachPersonalPlanWithTheLastPlacedExecutionFirst)
{
    Scenario scenario;
    Person* anna = scenario.AddPerson("Anna");
    Task* shop = scenario.AddTask(anna, "Shop", 30);
    Task* cook = scenario.AddTask(anna, "Cook", 60);
    Person* bert = scenario.AddPerson("Bert");
    Task* bake = scenario.AddTask(bert, "Bake", 45);
    scenario.Choose(scenario.AddProfile(anna, 1080, { shop, cook }));
    scenario.Choose(scenario.AddProfile(bert, 900, { bake }));
    SearchIndex index(scenario.computation.GetChosenProfiles());
    const Placement placements[] = { { 1, 1020 }, { 2, 855 }, { 0, 990 } };

    auto plan = KeptAttempts::BuildPlan(index, placements);

    ASSERT_EQ(plan->GetPersonalPlans().GetCount(), 2);
    const auto& annas = plan->GetPersonalPlans().Get(0)->GetExecutions();
    ASSERT_EQ(annas.GetCount(), 2);
    EXPECT_EQ(annas.Get(0)->GetTask(), shop);
    EXPECT_EQ(annas.Get(0)->GetStartTime(), 990);
    EXPECT_EQ(annas.Get(1)->GetTask(), cook);
    EXPECT_EQ(plan->GetPersonalPlans().Get(1)->GetExecutions().Get(0)->GetTask(), bake);
}
