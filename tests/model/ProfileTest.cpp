#include "model/Profile.h"

#include "ModelBuilder.h"
#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Task.h"

#include <gtest/gtest.h>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    ProfileTest()
    {
        shop = ModelBuilder::AddTask(&anna, "Shop", 30);
        cook = ModelBuilder::AddTask(&anna, "Cook", 60);
        profile = ModelBuilder::AddProfile(&anna, "Weekday", 1080);
    }

    PrecedenceRelation* Execute(Task* task) { return ModelBuilder::Execute(profile, task); }

    Person anna;
    Task* shop;
    Task* cook;
    Profile* profile;
};

} // namespace

TEST_F(ProfileTest, TotalDurationOfAnEmptyProfileIsZero)
{
    EXPECT_EQ(profile->GetTotalDuration(), 0);
}

TEST_F(ProfileTest, TotalDurationSumsTheExecutedTasks)
{
    Execute(shop);
    Execute(cook);
    EXPECT_EQ(profile->GetTotalDuration(), 90);
    cook->SetDuration(15);
    EXPECT_EQ(profile->GetTotalDuration(), 45);
}

TEST_F(ProfileTest, TotalDurationBeyondThirtyTwoBitsIsExact)
{
    Execute(shop);
    Execute(cook);
    shop->SetDuration(2147483647);
    cook->SetDuration(2147483647);
    EXPECT_EQ(profile->GetTotalDuration(), std::int64_t { 4294967294 });
    shop->SetDuration(-2147483647 - 1);
    cook->SetDuration(-2147483647 - 1);
    EXPECT_EQ(profile->GetTotalDuration(), -std::int64_t { 4294967296 });
}

TEST_F(ProfileTest, DuplicateCopiesNameEndTimeOwnerAndRelationsInOrder)
{
    Execute(shop);
    PrecedenceRelation* cooking = Execute(cook);
    PrecedentTask* entry = ModelBuilder::Precede(cooking, shop, 5, 40);

    std::unique_ptr<Profile> copy = profile->Duplicate();

    EXPECT_STREQ(copy->GetName(), "Weekday");
    EXPECT_NE(copy->GetName(), profile->GetName());
    EXPECT_EQ(copy->GetEndTime(), 1080);
    EXPECT_EQ(copy->GetOwner(), &anna);
    EXPECT_EQ(copy->GetTreeNode(), nullptr);
    ASSERT_EQ(copy->GetPrecedenceRelations().GetCount(), 2);
    EXPECT_EQ(copy->GetPrecedenceRelations().Get(0)->GetTask(), shop);
    const PrecedenceRelation* copiedCooking = copy->GetPrecedenceRelations().Get(1);
    EXPECT_NE(copiedCooking, cooking);
    EXPECT_EQ(copiedCooking->GetTask(), cook);
    ASSERT_EQ(copiedCooking->GetPrecedents().GetCount(), 1);
    const PrecedentTask* copiedEntry = copiedCooking->GetPrecedents().Get(0);
    EXPECT_NE(copiedEntry, entry);
    EXPECT_EQ(copiedEntry->GetTask(), shop);
    EXPECT_EQ(copiedEntry->GetMinimumTime(), 5);
    EXPECT_EQ(copiedEntry->GetMaximumTime(), 40);
}

TEST_F(ProfileTest, ChangingABoundInTheDuplicateLeavesTheSourceAlone)
{
    PrecedenceRelation* cooking = Execute(cook);
    ModelBuilder::Precede(cooking, shop);
    std::unique_ptr<Profile> copy = profile->Duplicate();

    copy->GetPrecedenceRelations().Get(0)->GetPrecedents().Get(0)->SetMinimumTime(20);
    copy->SetName("Copy");

    EXPECT_EQ(cooking->GetPrecedents().Get(0)->GetMinimumTime(), 0);
    EXPECT_STREQ(profile->GetName(), "Weekday");
}

TEST_F(ProfileTest, FindPrecedentAnswersTheFirstEntryNamingTheTask)
{
    PrecedenceRelation* cooking = Execute(cook);
    PrecedentTask* first = ModelBuilder::Precede(cooking, shop);
    ModelBuilder::Precede(cooking, shop);
    EXPECT_EQ(cooking->FindPrecedent(shop), first);
    EXPECT_EQ(cooking->FindPrecedent(cook), nullptr);
}

TEST_F(ProfileTest, ExecuteAppendsARelationWithoutPrecedents)
{
    Execute(cook);

    PrecedenceRelation& shopping = profile->Execute(*shop);

    ASSERT_EQ(profile->GetPrecedenceRelations().GetCount(), 2);
    EXPECT_EQ(profile->GetPrecedenceRelations().Get(1), &shopping);
    EXPECT_EQ(shopping.GetTask(), shop);
    EXPECT_EQ(shopping.GetPrecedents().GetCount(), 0);
    EXPECT_TRUE(profile->Executes(*shop));
    EXPECT_EQ(profile->FindRelation(*shop), &shopping);
}

TEST_F(ProfileTest, ExecutingATaskAgainKeepsItsOneRelation)
{
    PrecedenceRelation* cooking = Execute(cook);
    ModelBuilder::Precede(cooking, shop);

    EXPECT_EQ(&profile->Execute(*cook), cooking);

    EXPECT_EQ(profile->GetPrecedenceRelations().GetCount(), 1);
    EXPECT_EQ(cooking->GetPrecedents().GetCount(), 1);
}

TEST_F(ProfileTest, StopExecutingAlsoRemovesTheTaskFromOtherPrecedentLists)
{
    Task* eat = ModelBuilder::AddTask(&anna, "Eat", 20);
    Execute(shop);
    PrecedenceRelation* cooking = Execute(cook);
    ModelBuilder::Precede(cooking, shop);
    PrecedenceRelation* eating = Execute(eat);
    ModelBuilder::Precede(eating, shop);
    ModelBuilder::Precede(eating, cook);

    profile->StopExecuting(*shop);

    ASSERT_EQ(profile->GetPrecedenceRelations().GetCount(), 2);
    EXPECT_EQ(profile->GetPrecedenceRelations().Get(0), cooking);
    EXPECT_EQ(cooking->GetPrecedents().GetCount(), 0);
    ASSERT_EQ(eating->GetPrecedents().GetCount(), 1);
    EXPECT_EQ(eating->GetPrecedents().Get(0)->GetTask(), cook);
    EXPECT_FALSE(profile->Executes(*shop));
    EXPECT_EQ(anna.GetTasks().IndexOf(shop), 0);
}

TEST_F(ProfileTest, StopExecutingRemovesEveryRelationOfTheTask)
{
    Execute(shop);
    Execute(shop);
    PrecedenceRelation* cooking = Execute(cook);

    profile->StopExecuting(*shop);

    ASSERT_EQ(profile->GetPrecedenceRelations().GetCount(), 1);
    EXPECT_EQ(profile->GetPrecedenceRelations().Get(0), cooking);
}

TEST_F(ProfileTest, AddPrecedentAppendsAnEntryWithoutBounds)
{
    Task* eat = ModelBuilder::AddTask(&anna, "Eat", 20);
    PrecedenceRelation* eating = Execute(eat);
    ModelBuilder::Precede(eating, cook, 5, 40);

    PrecedentTask& shopping = eating->AddPrecedent(*shop);

    ASSERT_EQ(eating->GetPrecedents().GetCount(), 2);
    EXPECT_EQ(eating->GetPrecedents().Get(1), &shopping);
    EXPECT_EQ(shopping.GetTask(), shop);
    EXPECT_EQ(shopping.GetMinimumTime(), 0);
    EXPECT_EQ(shopping.GetMaximumTime(), 32767);
}

TEST_F(ProfileTest, AddingAPrecedentAgainKeepsTheEntryAndItsBounds)
{
    PrecedenceRelation* cooking = Execute(cook);
    PrecedentTask* shopping = ModelBuilder::Precede(cooking, shop, 5, 40);

    EXPECT_EQ(&cooking->AddPrecedent(*shop), shopping);

    EXPECT_EQ(cooking->GetPrecedents().GetCount(), 1);
    EXPECT_EQ(shopping->GetMinimumTime(), 5);
}

TEST_F(ProfileTest, DeletePrecedentsNamingLeavesTheOtherEntriesInOrder)
{
    Task* eat = ModelBuilder::AddTask(&anna, "Eat", 20);
    Task* wash = ModelBuilder::AddTask(&anna, "Wash", 10);
    PrecedenceRelation* eating = Execute(eat);
    ModelBuilder::Precede(eating, shop);
    ModelBuilder::Precede(eating, cook);
    ModelBuilder::Precede(eating, shop);
    ModelBuilder::Precede(eating, wash);

    eating->DeletePrecedentsNaming(*shop);

    ASSERT_EQ(eating->GetPrecedents().GetCount(), 2);
    EXPECT_EQ(eating->GetPrecedents().Get(0)->GetTask(), cook);
    EXPECT_EQ(eating->GetPrecedents().Get(1)->GetTask(), wash);
    EXPECT_EQ(anna.GetTasks().IndexOf(shop), 0);
}
