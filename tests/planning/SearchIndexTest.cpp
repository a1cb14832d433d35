#include "Scenario.h"

#include "model/BorrowedList.h"
#include "model/Profile.h"
#include "planning/SearchIndex.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> AsVector(std::span<const int> values)
{
    return std::vector<int>(values.begin(), values.end());
}

class SearchIndexOfAHousehold : public ::testing::Test {
protected:
    SearchIndexOfAHousehold()
    {
        stove = scenario.AddResource("Stove");
        car = scenario.AddResource("Car");
        anna = scenario.AddPerson("Anna");
        shop = scenario.AddTask(anna, "Shop", 30, { car });
        cook = scenario.AddTask(anna, "Cook", 60, { stove, stove });
        annaDay = scenario.AddProfile(anna, 1080, { shop, cook, shop });
        scenario.Precede(annaDay, shop, cook, 5, 40);
        bert = scenario.AddPerson("Bert");
        bake = scenario.AddTask(bert, "Bake", 45, { stove });
        scenario.Choose(annaDay);
        scenario.Choose(scenario.AddProfile(bert, 720, { bake }));
    }

    Scenario scenario;
    Resource* stove;
    Resource* car;
    Person* anna;
    Person* bert;
    Task* shop;
    Task* cook;
    Task* bake;
    Profile* annaDay;
};

} // namespace

TEST_F(SearchIndexOfAHousehold, GivesARepeatedRelationOneSlotMarkedRepeated)
{
    SearchIndex index(scenario.computation.GetChosenProfiles());

    ASSERT_EQ(index.GetSlotCount(), 3);
    EXPECT_EQ(AsVector(index.GetRelationSlots(0)), (std::vector<int> { 0, 1, 0 }));
    EXPECT_EQ(AsVector(index.GetRelationSlots(1)), (std::vector<int> { 2 }));
    EXPECT_TRUE(index.GetSlot(0).repeated);
    EXPECT_FALSE(index.GetSlot(1).repeated);
    EXPECT_EQ(index.GetSlot(2).plan, 1);
    EXPECT_EQ(index.GetPlan(0).relationCount, 3);
    EXPECT_EQ(index.GetPlan(0).totalDuration, 120);
}

TEST_F(SearchIndexOfAHousehold, KeepsPrecedencesWithTheEarlierSlotAndListsThemWithTheLaterOne)
{
    SearchIndex index(scenario.computation.GetChosenProfiles());

    ASSERT_EQ(index.GetConstraints(0).size(), 1u);
    const SearchIndex::Constraint& constraint = index.GetConstraints(0)[0];
    EXPECT_EQ(constraint.laterSlot, 1);
    EXPECT_EQ(constraint.minimumTime, 5);
    EXPECT_EQ(constraint.maximumTime, 40);
    EXPECT_TRUE(index.GetConstraints(1).empty());
    EXPECT_EQ(AsVector(index.GetBoundSlots(1)), (std::vector<int> { 0 }));
    EXPECT_TRUE(index.GetBoundSlots(0).empty());
}

TEST_F(SearchIndexOfAHousehold, HoldsAResourceListedTwiceOnceAndKnowsWhoSharesIt)
{
    SearchIndex index(scenario.computation.GetChosenProfiles());

    ASSERT_EQ(index.GetResourceCount(), 2);
    ASSERT_EQ(index.GetResources(1).size(), 1u);
    int stoveNumber = index.GetResources(1)[0];
    EXPECT_EQ(AsVector(index.GetUsers(stoveNumber)), (std::vector<int> { 1, 2 }));
    EXPECT_EQ(index.GetLongestHolding(stoveNumber), 60);
    EXPECT_TRUE(index.SharesResource(1, 1));
    EXPECT_FALSE(index.SharesResource(1, 0));
}

TEST_F(SearchIndexOfAHousehold, StartsTheClockAtTheLatestEndTimeButNeverBelowMidnight)
{
    EXPECT_EQ(SearchIndex(scenario.computation.GetChosenProfiles()).GetClockStart(), 1080);

    Scenario early;
    Person* carl = early.AddPerson("Carl");
    early.Choose(early.AddProfile(carl, -90, { early.AddTask(carl, "Walk", 10) }));
    EXPECT_EQ(SearchIndex(early.computation.GetChosenProfiles()).GetClockStart(), 0);
}

TEST_F(SearchIndexOfAHousehold, GivesTheSameTaskInTwoChosenProfilesASlotInEach)
{
    // A computation never chooses two profiles of one person; the index is
    // given them directly.
    BorrowedList<Profile> chosen;
    for (Profile* profile : scenario.computation.GetChosenProfiles())
        chosen.Add(profile);
    chosen.Add(scenario.AddProfile(anna, 600, { cook }));
    SearchIndex index(chosen.GetItems());

    ASSERT_EQ(index.GetSlotCount(), 4);
    EXPECT_EQ(AsVector(index.GetRelationSlots(2)), (std::vector<int> { 3 }));
    EXPECT_EQ(index.GetSlot(3).task, cook);
    EXPECT_EQ(index.GetSlot(3).plan, 2);
}
