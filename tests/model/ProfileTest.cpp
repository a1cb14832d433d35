#include "model/Profile.h"
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
        shop = AddTask("Shop", 30);
        cook = AddTask("Cook", 60);
        profile = new Profile(&anna);
        profile->SetName("Weekday");
        profile->SetEndTime(1080);
        anna.GetProfiles().Add(profile);
    }

    Task* AddTask(const char* name, int duration)
    {
        auto* task = new Task(&anna);
        task->SetName(name);
        task->SetDuration(duration);
        anna.GetTasks().Add(task);
        return task;
    }

    PrecedenceRelation* Execute(Task* task)
    {
        auto* relation = new PrecedenceRelation;
        relation->SetTask(task);
        profile->GetPrecedenceRelations().Add(relation);
        return relation;
    }

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
    auto* entry = new PrecedentTask(shop);
    entry->SetMinimumTime(5);
    entry->SetMaximumTime(40);
    cooking->GetPrecedents().Add(entry);

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
    cooking->GetPrecedents().Add(new PrecedentTask(shop));
    std::unique_ptr<Profile> copy = profile->Duplicate();

    copy->GetPrecedenceRelations().Get(0)->GetPrecedents().Get(0)->SetMinimumTime(20);
    copy->SetName("Copy");

    EXPECT_EQ(cooking->GetPrecedents().Get(0)->GetMinimumTime(), 0);
    EXPECT_STREQ(profile->GetName(), "Weekday");
}

TEST_F(ProfileTest, FindPrecedentAnswersTheFirstEntryNamingTheTask)
{
    PrecedenceRelation* cooking = Execute(cook);
    auto* first = new PrecedentTask(shop);
    cooking->GetPrecedents().Add(first);
    cooking->GetPrecedents().Add(new PrecedentTask(shop));
    EXPECT_EQ(cooking->FindPrecedent(shop), first);
    EXPECT_EQ(cooking->FindPrecedent(cook), nullptr);
}
