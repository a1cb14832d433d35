#include "Scenario.h"

#include "planning/SearchIndex.h"
#include "planning/SweepState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> AsVector(std::span<const int> values)
{
    return std::vector<int>(values.begin(), values.end());
}

// Anna executes Shop, Cook, Shop again and Read; Bert bakes. Cook and Bake
// share the stove.
class SweepStateOfAHousehold : public ::testing::Test {
protected:
    SweepStateOfAHousehold()
    {
        Resource* stove = scenario.AddResource("Stove");
        Person* anna = scenario.AddPerson("Anna");
        Task* shop = scenario.AddTask(anna, "Shop", 30);
        Task* cook = scenario.AddTask(anna, "Cook", 60, { stove });
        Task* read = scenario.AddTask(anna, "Read", 20);
        scenario.Choose(scenario.AddProfile(anna, 1080, { shop, cook, shop, read }));
        Person* bert = scenario.AddPerson("Bert");
        scenario.Choose(scenario.AddProfile(bert, 900, { scenario.AddTask(bert, "Bake", 45, { stove }) }));
        index = std::make_unique<SearchIndex>(scenario.computation.GetChosenProfiles());
        state = std::make_unique<SweepState>(*index);
        state->Reset();
    }

    static constexpr int Shop = 0;
    static constexpr int Cook = 1;
    static constexpr int Read = 2;
    static constexpr int Bake = 3;
    static constexpr int StoveNumber = 0;

    Scenario scenario;
    std::unique_ptr<SearchIndex> index;
    std::unique_ptr<SweepState> state;
};

} // namespace

TEST_F(SweepStateOfAHousehold, PlacingASlotClosesEveryRelationThatRepeatsIt)
{
    state->PlaceOpenSlot(0, 2, 1080);

    EXPECT_EQ(AsVector(state->GetOpenSlots(0)), (std::vector<int> { Cook, Read }));
    EXPECT_TRUE(state->IsPlaced(Shop));
    EXPECT_EQ(state->GetStart(Shop), 1050);
    EXPECT_EQ(state->GetPlanStart(0), 1050);
}

TEST_F(SweepStateOfAHousehold, PlacingAnUnrepeatedSlotKeepsTheOthersInRelationOrder)
{
    state->Place(Cook, 1080);
    EXPECT_EQ(AsVector(state->GetOpenSlots(0)), (std::vector<int> { Shop, Shop, Read }));
}

TEST_F(SweepStateOfAHousehold, ListsTheHoldersOfAResourceLatestStartFirst)
{
    state->Place(Bake, 700);
    state->Place(Cook, 1080);
    EXPECT_EQ(AsVector(state->GetHolders(StoveNumber)), (std::vector<int> { Cook, Bake }));
    EXPECT_EQ(state->GetEarliestPlanStart(), 655);
}

TEST_F(SweepStateOfAHousehold, FindsTheEarliestStartAgainWhenANegativeDurationMovesItLater)
{
    Person* carl = scenario.AddPerson("Carl");
    scenario.Choose(scenario.AddProfile(carl, 500, { scenario.AddTask(carl, "Undo", -100) }));
    SearchIndex wider(scenario.computation.GetChosenProfiles());
    SweepState sweep(wider);
    sweep.Reset();
    EXPECT_EQ(sweep.GetEarliestPlanStart(), 500);

    sweep.Place(4, 500);
    EXPECT_EQ(sweep.GetPlanStart(2), 600);
    EXPECT_EQ(sweep.GetEarliestPlanStart(), 600);
}

TEST_F(SweepStateOfAHousehold, CountsARepeatedRelationAgainstCompletenessAndSumsEveryDelay)
{
    state->Place(Read, 1080);
    state->Place(Shop, 1060);
    state->Place(Cook, 1000);

    // Three placements for four relations, as the records count them.
    EXPECT_FALSE(state->IsComplete());
    // Anna: end time minus 140 minutes of relations minus her start; Bert
    // has not started.
    EXPECT_EQ(state->GetTotalDelay(), (1080 - 140 - 940) + (900 - 45 - 900));
    ASSERT_EQ(state->GetPlacements().size(), 3u);
    EXPECT_EQ(state->GetPlacements()[1].slot, Shop);
    EXPECT_EQ(state->GetPlacements()[1].start, 1030);
}

TEST_F(SweepStateOfAHousehold, ResetStartsEveryPlanAtItsEndTimeWithEveryRelationOpen)
{
    state->Place(Cook, 1080);
    state->Place(Bake, 900);
    state->Reset();

    EXPECT_FALSE(state->IsPlaced(Cook));
    EXPECT_TRUE(state->GetHolders(StoveNumber).empty());
    EXPECT_TRUE(state->GetPlacements().empty());
    EXPECT_EQ(AsVector(state->GetOpenSlots(0)), (std::vector<int> { Shop, Cook, Shop, Read }));
    EXPECT_EQ(state->GetPlanStart(0), 1080);
    EXPECT_EQ(state->GetEarliestPlanStart(), 900);
}
