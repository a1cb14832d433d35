#include "Scenario.h"

#include "model/Task.h"
#include "planning/AttemptQueries.h"
#include "planning/CompletePlan.h"
#include "planning/KeptAttempts.h"
#include "planning/LatestEnds.h"
#include "planning/SearchIndex.h"
#include "planning/SweepState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

// The index, sweep state and latest ends over one scenario, placed into
// the way a sweep places.
struct Sweep {
    explicit Sweep(const Scenario& scenario)
        : index(scenario.computation.GetChosenProfiles())
        , state(index)
        , ends(index, state)
    {
        state.Reset();
        ends.Reset();
    }

    void Place(int slot, std::int32_t end)
    {
        state.Place(slot, end);
        ends.AfterPlacing(slot);
    }

    SearchIndex index;
    SweepState state;
    LatestEnds ends;
};

// For each minute from `lowest` to `highest`, the latest minute at or
// below it at which the reference's own queries let the slot's task end;
// lowest - 1 where there is none in the range.
std::vector<std::int64_t> LatestEndsByTheReference(
    const Sweep& sweep, int slot, std::int32_t lowest, std::int32_t highest)
{
    std::unique_ptr<CompletePlan> attempt = KeptAttempts::BuildPlan(sweep.index, sweep.state.GetPlacements());
    AttemptQueries queries(*attempt);
    const SearchIndex::Slot& task = sweep.index.GetSlot(slot);
    const PersonalPlan& plan = *attempt->GetPersonalPlans().Get(task.plan);
    std::vector<std::int64_t> latest;
    std::int64_t found = std::int64_t { lowest } - 1;
    for (std::int32_t minute = lowest; minute <= highest; ++minute) {
        if (queries.GetCandidateTasks(plan, minute)->Contains(task.task))
            found = minute;
        latest.push_back(found);
    }
    return latest;
}

// Households with shared resources, windows of every width, tasks of no or
// negative duration now and then.
class RandomHousehold {
public:
    explicit RandomHousehold(unsigned seed)
        : random(seed)
    {
        std::vector<Resource*> resources;
        for (int count = Pick(1, 3); count > 0; --count)
            resources.push_back(scenario.AddResource("Shared"));
        for (int persons = Pick(2, 4); persons > 0; --persons) {
            Person* person = scenario.AddPerson("Person");
            Profile* profile = scenario.AddProfile(person, 5 * Pick(200, 240));
            std::vector<Task*> tasks;
            for (int count = Pick(2, 6); count > 0; --count) {
                Task* task = scenario.AddTask(person, "Task", Duration());
                for (Resource* resource : resources) {
                    if (Pick(0, 2) == 0)
                        task->GetRequiredResources().Add(resource);
                }
                scenario.Execute(profile, task);
                if (!tasks.empty() && Pick(0, 1) == 0) {
                    std::int32_t minimum = Pick(0, 3) * 5;
                    scenario.Precede(profile, tasks[Pick(0, static_cast<int>(tasks.size()) - 1)], task, minimum,
                        Pick(0, 2) == 0 ? 32767 : minimum + Pick(0, 60));
                }
                tasks.push_back(task);
            }
            scenario.Choose(profile);
        }
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    Scenario scenario;

private:
    std::int32_t Duration()
    {
        int kind = Pick(0, 15);
        if (kind == 0)
            return 0;
        if (kind == 1)
            return -Pick(1, 20);
        return 5 * Pick(1, 12);
    }

    std::mt19937 random;
};

constexpr std::int32_t Reach = 150;

// Places open slots one after the other at random ends and, after each,
// asks every open slot for its latest end at each minute as a clock running
// back would, comparing with the reference's queries.
void ExpectTheReferenceAnswersAfterEveryPlacement(unsigned seed)
{
    RandomHousehold household(seed);
    Sweep sweep(household.scenario);
    for (int step = 0; step < sweep.index.GetSlotCount(); ++step) {
        std::int32_t highest = 5 * household.Pick(200, 240) + household.Pick(0, 4);
        std::int32_t lowest = highest - Reach;
        for (int plan = 0; plan < sweep.index.GetPlanCount(); ++plan) {
            std::vector<std::int64_t> latestOfPlan(Reach + 1, LatestEnds::None);
            for (int slot : sweep.state.GetOpenSlots(plan)) {
                std::vector<std::int64_t> expected = LatestEndsByTheReference(sweep, slot, lowest, highest);
                for (std::int32_t high = highest; high >= lowest; --high) {
                    std::int64_t actual = sweep.ends.OfSlot(slot, high);
                    std::int64_t wanted = expected[high - lowest];
                    ASSERT_EQ(actual < lowest ? lowest - 1 : actual, wanted)
                        << "seed " << seed << " step " << step << " slot " << slot << " up to " << high;
                    latestOfPlan[high - lowest] = std::max(latestOfPlan[high - lowest], actual);
                }
            }
            std::int32_t high = household.Pick(lowest, highest);
            EXPECT_EQ(sweep.ends.OfPlan(plan, high), latestOfPlan[high - lowest]) << "seed " << seed;
        }
        int plan = household.Pick(0, sweep.index.GetPlanCount() - 1);
        std::span<const int> open = sweep.state.GetOpenSlots(plan);
        if (open.empty())
            continue;
        sweep.Place(open[household.Pick(0, static_cast<int>(open.size()) - 1)], 5 * household.Pick(180, 240));
    }
}

} // namespace

TEST(LatestEnds, AgreeWithTheReferenceQueriesAfterEveryPlacementOfRandomHouseholds)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        ExpectTheReferenceAnswersAfterEveryPlacement(seed);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

TEST(LatestEnds, LetAnEarlierTaskEndOnlyInsideTheWindowBeforeItsPlacedLaterTask)
{
    Scenario scenario;
    Person* anna = scenario.AddPerson("Anna");
    Task* shop = scenario.AddTask(anna, "Shop", 30);
    Task* cook = scenario.AddTask(anna, "Cook", 60);
    Profile* day = scenario.AddProfile(anna, 1080, { shop, cook });
    scenario.Precede(day, shop, cook, 10, 40);
    scenario.Choose(day);
    Sweep sweep(scenario);

    EXPECT_EQ(sweep.ends.OfSlot(0, 1080), LatestEnds::None);
    sweep.Place(1, 1080);
    EXPECT_EQ(sweep.ends.OfSlot(0, 1080), 1010);
    EXPECT_EQ(sweep.ends.OfSlot(0, 990), 990);
    EXPECT_EQ(sweep.ends.OfSlot(0, 979), LatestEnds::None);
    EXPECT_EQ(sweep.ends.OfPlan(0, 1080), 1010);
}

// Anna cooks for an hour and Bert bakes for half an hour on one stove,
// both done by 18:00; slot 0 is Anna's cooking, slot 1 Bert's baking.
class LatestEndsOnOneStove : public ::testing::Test {
protected:
    LatestEndsOnOneStove()
    {
        Resource* stove = scenario.AddResource("Stove");
        Person* anna = scenario.AddPerson("Anna");
        scenario.Choose(scenario.AddProfile(anna, 1080, { scenario.AddTask(anna, "Cook", 60, { stove }) }));
        Person* bert = scenario.AddPerson("Bert");
        scenario.Choose(scenario.AddProfile(bert, 1080, { scenario.AddTask(bert, "Bake", 30, { stove }) }));
    }

    Scenario scenario;
};

TEST_F(LatestEndsOnOneStove, PushAnEndBackBeforeEveryHolderItWouldMeet)
{
    Sweep sweep(scenario);

    EXPECT_EQ(sweep.ends.OfSlot(1, 1080), 1080);
    sweep.Place(0, 1080);
    EXPECT_EQ(sweep.ends.OfSlot(1, 1080), 1020);
    EXPECT_EQ(sweep.ends.OfSlot(1, 1050), 1020);
    EXPECT_EQ(sweep.ends.OfSlot(1, 1000), 1000);
}

TEST_F(LatestEndsOnOneStove, KeepAnEndThatANewHolderOnlyTouches)
{
    Sweep sweep(scenario);
    ASSERT_EQ(sweep.ends.OfSlot(1, 1080), 1080);

    sweep.Place(0, 1050);

    EXPECT_EQ(sweep.ends.OfSlot(1, 1080), 1080);
    EXPECT_EQ(sweep.ends.OfSlot(1, 1079), 990);
}

TEST(LatestEnds, NeverOfferAnEndWhoseStartWouldNotFitInThirtyTwoBits)
{
    Scenario scenario;
    Person* anna = scenario.AddPerson("Anna");
    Task* haul = scenario.AddTask(anna, "Haul", std::numeric_limits<std::int32_t>::max());
    Task* undo = scenario.AddTask(anna, "Undo", -10);
    scenario.Choose(scenario.AddProfile(anna, 0, { haul, undo }));
    Sweep sweep(scenario);

    EXPECT_EQ(sweep.ends.OfSlot(0, 10), 10);
    EXPECT_EQ(sweep.ends.OfSlot(0, -1), -1);
    EXPECT_EQ(sweep.ends.OfSlot(0, -2), LatestEnds::None);
    EXPECT_EQ(
        sweep.ends.OfSlot(1, std::numeric_limits<std::int32_t>::max()), std::numeric_limits<std::int32_t>::max() - 10);
}
