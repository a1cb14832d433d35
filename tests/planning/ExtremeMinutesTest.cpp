#include "Scenario.h"

#include "planning/CompletePlan.h"
#include "planning/IndexedSearch.h"
#include "planning/MinuteByMinuteSearch.h"
#include "planning/PersonalPlan.h"
#include "planning/PlanRandom.h"
#include "planning/TaskExecution.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace {

constexpr std::int32_t Lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Highest = std::numeric_limits<std::int32_t>::max();

// Every plan of a run as its starts, plan by plan and person by person.
using RunStarts = std::vector<std::vector<std::vector<std::int32_t>>>;

template <typename Search> RunStarts StartsOfARun(const Scenario& scenario)
{
    PlanRandom random(4711);
    Search search(scenario.computation.GetChosenProfiles(), random);
    auto plans = search.Run();
    RunStarts run;
    for (const CompletePlan* plan : *plans) {
        run.emplace_back();
        for (const PersonalPlan* personal : plan->GetPersonalPlans()) {
            run.back().emplace_back();
            for (const TaskExecution* execution : personal->GetExecutions())
                run.back().back().push_back(execution->GetStartTime());
        }
    }
    return run;
}

// One person with one task of `duration` in a profile ending at `endTime`.
struct SingleTask {
    SingleTask(std::int32_t endTime, std::int32_t duration)
    {
        Person* anna = scenario.AddPerson("Anna");
        Task* task = scenario.AddTask(anna, "Haul", duration);
        scenario.Choose(scenario.AddProfile(anna, endTime, { task }));
    }

    RunStarts Reference() const { return StartsOfARun<MinuteByMinuteSearch>(scenario); }
    RunStarts Indexed() const { return StartsOfARun<IndexedSearch>(scenario); }

    Scenario scenario;
};

} // namespace

TEST(ExtremeMinutes, ATaskThatWouldStartBeforeTheFirst32BitMinuteIsNeverPlaced)
{
    SingleTask model(-10, Highest);
    EXPECT_TRUE(model.Reference().empty());
    EXPECT_TRUE(model.Indexed().empty());
}

// The minute-by-minute reference would walk its clock down through two
// billion minutes to that start, so only the program's search is asked.
TEST(ExtremeMinutes, ATaskStartingAtTheFirst32BitMinuteIsPlaced)
{
    SingleTask model(-1, Highest);
    EXPECT_EQ(model.Indexed(), RunStarts(20, { { Lowest } }));
}

TEST(ExtremeMinutes, ATaskOfNegativeDurationThatWouldStartAfterTheLast32BitMinuteIsNeverPlaced)
{
    SingleTask model(Highest, -1);
    EXPECT_TRUE(model.Reference().empty());
    EXPECT_TRUE(model.Indexed().empty());
}

TEST(ExtremeMinutes, ATaskOfNegativeDurationStartingAtTheLast32BitMinuteIsPlaced)
{
    SingleTask model(Highest - 1, -1);
    RunStarts expected(20, { { Highest } });
    EXPECT_EQ(model.Reference(), expected);
    EXPECT_EQ(model.Indexed(), expected);
}

TEST(ExtremeMinutes, ADelayBeyondThirtyTwoBitsIsShownAtTheNearestValueByBothSearches)
{
    Scenario scenario;
    Person* anna = scenario.AddPerson("Anna");
    Task* first = scenario.AddTask(anna, "First", Lowest);
    Task* second = scenario.AddTask(anna, "Second", Lowest);
    scenario.Choose(scenario.AddProfile(anna, -1, { first, second }));

    RunStarts reference = StartsOfARun<MinuteByMinuteSearch>(scenario);
    EXPECT_EQ(reference, StartsOfARun<IndexedSearch>(scenario));
    ASSERT_EQ(reference.size(), 20u);
    EXPECT_EQ(reference[0], (std::vector<std::vector<std::int32_t>> { { Highest, Highest } }));

    auto plans = scenario.Compute(4711);
    const CompletePlan& best = *plans->Get(0);
    EXPECT_EQ(best.GetExactTotalDelay(), std::int64_t { -1 } + 4294967296 - Highest);
    EXPECT_EQ(best.GetTotalDelay(), Highest);
}
