#include "Scenario.h"

#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct Placed {
    const Task* task;
    std::int32_t start;
    std::int32_t end;
};

// A random household: a few persons sharing a few resources, each with one
// chosen profile whose precedences only point from earlier to later tasks
// of its list, so that plans usually exist.
void Generate(Scenario& scenario, unsigned modelSeed)
{
    std::mt19937 random(modelSeed);
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::vector<Resource*> resources;
    for (int r = pick(0, 3); r > 0; --r)
        resources.push_back(scenario.AddResource("R"));
    for (int p = pick(1, 3); p > 0; --p) {
        Person* person = scenario.AddPerson("P");
        Profile* profile = scenario.AddProfile(person, pick(0, 4) * 180);
        std::vector<Task*> executed;
        for (int t = pick(0, 4); t > 0; --t) {
            Task* task = scenario.AddTask(person, "T", pick(0, 6) * 10);
            if (!resources.empty() && pick(0, 2) == 0)
                task->GetRequiredResources().Add(resources[pick(0, static_cast<int>(resources.size()) - 1)]);
            scenario.Execute(profile, task);
            if (!executed.empty() && pick(0, 1) == 0) {
                Task* earlier = executed[pick(0, static_cast<int>(executed.size()) - 1)];
                int minimum = pick(0, 2) * 10;
                scenario.Precede(profile, earlier, task, minimum, pick(0, 1) ? 32767 : minimum + pick(0, 60));
            }
            executed.push_back(task);
        }
        scenario.Choose(profile);
    }
}

void ExpectPersonalPlanIsSound(const PersonalPlan& plan)
{
    const Profile* profile = plan.GetProfile();
    const auto& executions = plan.GetExecutions();
    ASSERT_EQ(executions.GetCount(), profile->GetPrecedenceRelations().GetCount());
    for (const PrecedenceRelation* relation : profile->GetPrecedenceRelations())
        EXPECT_NE(plan.FindExecution(relation->GetTask()), nullptr);
    for (int i = 0; i < executions.GetCount(); ++i) {
        const TaskExecution* execution = executions.Get(i);
        std::int32_t end = execution->GetStartTime() + execution->GetTask()->GetDuration();
        EXPECT_LE(end, profile->GetEndTime());
        if (i + 1 < executions.GetCount()) {
            EXPECT_LE(end, executions.Get(i + 1)->GetStartTime()) << "executions overlap";
        }
    }
    EXPECT_GE(plan.GetDelay(), 0);
    for (const PrecedenceRelation* relation : profile->GetPrecedenceRelations()) {
        std::int32_t laterStart = plan.FindExecution(relation->GetTask())->GetStartTime();
        for (const PrecedentTask* entry : relation->GetPrecedents()) {
            const TaskExecution* earlier = plan.FindExecution(entry->GetTask());
            ASSERT_NE(earlier, nullptr);
            std::int32_t gap = laterStart - (earlier->GetStartTime() + entry->GetTask()->GetDuration());
            if (relation->FindPrecedent(entry->GetTask()) != entry)
                continue;
            EXPECT_GE(gap, entry->GetMinimumTime());
            EXPECT_LE(gap, entry->GetMaximumTime());
        }
    }
}

void ExpectResourcesExclusive(const CompletePlan& plan)
{
    std::vector<Placed> placed;
    for (const PersonalPlan* personal : plan.GetPersonalPlans()) {
        for (const TaskExecution* execution : personal->GetExecutions()) {
            std::int32_t start = execution->GetStartTime();
            placed.push_back({ execution->GetTask(), start, start + execution->GetTask()->GetDuration() });
        }
    }
    for (std::size_t a = 0; a < placed.size(); ++a) {
        for (std::size_t b = a + 1; b < placed.size(); ++b) {
            if (placed[a].start >= placed[b].end || placed[a].end <= placed[b].start)
                continue;
            for (const Resource* resource : placed[a].task->GetRequiredResources())
                EXPECT_LT(placed[b].task->GetRequiredResources().IndexOf(resource), 0) << "resource used twice";
        }
    }
}

class PlanSearchProperties : public ::testing::TestWithParam<unsigned> { };

} // namespace

TEST_P(PlanSearchProperties, EveryPlanIsCompleteOrderedAndKeepsEveryBound)
{
    Scenario scenario;
    Generate(scenario, GetParam());
    const auto& chosen = scenario.computation.GetChosenProfiles();

    auto plans = scenario.Compute(GetParam() * 7919u + 1u);

    EXPECT_LE(plans->GetCount(), 20);
    for (int i = 0; i < plans->GetCount(); ++i) {
        const CompletePlan* plan = plans->Get(i);
        if (i > 0) {
            EXPECT_LE(plans->Get(i - 1)->GetTotalDelay(), plan->GetTotalDelay());
        }
        ASSERT_EQ(plan->GetPersonalPlans().GetCount(), chosen.GetCount());
        for (int p = 0; p < chosen.GetCount(); ++p) {
            EXPECT_EQ(plan->GetPersonalPlans().Get(p)->GetProfile(), chosen.Get(p));
            ExpectPersonalPlanIsSound(*plan->GetPersonalPlans().Get(p));
        }
        ExpectResourcesExclusive(*plan);
    }
}

INSTANTIATE_TEST_SUITE_P(GeneratedHouseholds, PlanSearchProperties, ::testing::Range(1u, 25u));

TEST(GeneratedHouseholds, MostOfThemHavePlansSoThePropertiesAreExercised)
{
    int withPlans = 0;
    for (unsigned modelSeed = 1; modelSeed < 25; ++modelSeed) {
        Scenario scenario;
        Generate(scenario, modelSeed);
        if (scenario.Compute(modelSeed * 7919u + 1u)->GetCount() > 0)
            ++withPlans;
    }
    EXPECT_GE(withPlans, 16);
}
