#include "ModelBuilder.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Counts its own destructions so that a test sees what a cascade destroyed.
class CountedTask : public Task {
public:
    using Task::Task;
    ~CountedTask() override { ++destroyed; }
    static inline int destroyed = 0;
};

class CountedProfile : public Profile {
public:
    using Profile::Profile;
    ~CountedProfile() override { ++destroyed; }
    static inline int destroyed = 0;
};

class DeleteCascade : public ::testing::Test {
protected:
    DeleteCascade()
    {
        CountedTask::destroyed = 0;
        CountedProfile::destroyed = 0;
        anna = build.AddPerson("Anna");
        bert = build.AddPerson("Bert");
        car = build.AddResource("Car");
        stove = build.AddResource("Stove");
    }

    static Task* AddTask(Person* person) { return &person->AddTask(std::make_unique<CountedTask>(person)); }

    static Profile* AddProfile(Person* person) { return &person->AddProfile(std::make_unique<CountedProfile>(person)); }

    static PrecedenceRelation* Execute(Profile* profile, Task* task) { return ModelBuilder::Execute(profile, task); }

    static void Precede(PrecedenceRelation* relation, Task* earlier) { ModelBuilder::Precede(relation, earlier); }

    PlanningModel model;
    ModelBuilder build { model };
    Person* anna;
    Person* bert;
    Resource* car;
    Resource* stove;
};

} // namespace

TEST_F(DeleteCascade, TaskRemovesItsRelationAndOnlyThePrecedentEntryElsewhere)
{
    Task* shop = AddTask(anna);
    Task* cook = AddTask(anna);
    Task* eat = AddTask(anna);
    Profile* day = AddProfile(anna);
    Execute(day, shop);
    PrecedenceRelation* cooking = Execute(day, cook);
    Precede(cooking, shop);
    PrecedenceRelation* eating = Execute(day, eat);
    Precede(eating, shop);
    Precede(eating, cook);

    EXPECT_TRUE(shop->Delete(model));

    EXPECT_EQ(CountedTask::destroyed, 1);
    EXPECT_EQ(anna->GetTasks().GetCount(), 2);
    ASSERT_EQ(day->GetPrecedenceRelations().GetCount(), 2);
    EXPECT_EQ(day->GetPrecedenceRelations().Get(0), cooking);
    EXPECT_EQ(cooking->GetPrecedents().GetCount(), 0);
    ASSERT_EQ(eating->GetPrecedents().GetCount(), 1);
    EXPECT_EQ(eating->GetPrecedents().Get(0)->GetTask(), cook);
}

TEST_F(DeleteCascade, TaskExecutedTwiceInARowLosesBothRelations)
{
    Task* walk = AddTask(anna);
    Task* read = AddTask(anna);
    Profile* day = AddProfile(anna);
    Execute(day, walk);
    Execute(day, walk);
    PrecedenceRelation* reading = Execute(day, read);

    EXPECT_TRUE(walk->Delete(model));

    ASSERT_EQ(day->GetPrecedenceRelations().GetCount(), 1);
    EXPECT_EQ(day->GetPrecedenceRelations().Get(0), reading);
}

TEST_F(DeleteCascade, TaskIsRemovedFromEveryProfileOfItsOwner)
{
    Task* walk = AddTask(anna);
    Profile* weekday = AddProfile(anna);
    Profile* sunday = AddProfile(anna);
    Execute(weekday, walk);
    Execute(sunday, walk);

    walk->Delete(model);

    EXPECT_EQ(weekday->GetPrecedenceRelations().GetCount(), 0);
    EXPECT_EQ(sunday->GetPrecedenceRelations().GetCount(), 0);
}

TEST_F(DeleteCascade, TaskNotInItsOwnersListIsNotFound)
{
    CountedTask stray(anna);
    EXPECT_FALSE(stray.Delete(model));
    EXPECT_EQ(CountedTask::destroyed, 0);
}

TEST_F(DeleteCascade, ResourceLeavesEveryTaskWithOneFewerRequirement)
{
    Task* cook = AddTask(anna);
    cook->SetDuration(45);
    cook->GetRequiredResources().Add(stove);
    cook->GetRequiredResources().Add(car);
    Task* drive = AddTask(bert);
    drive->GetRequiredResources().Add(car);

    EXPECT_TRUE(car->Delete(model));

    ASSERT_EQ(cook->GetRequiredResources().GetCount(), 1);
    EXPECT_EQ(cook->GetRequiredResources().Get(0), stove);
    EXPECT_EQ(cook->GetDuration(), 45);
    EXPECT_EQ(drive->GetRequiredResources().GetCount(), 0);
    ASSERT_EQ(model.GetResources().GetCount(), 1);
    EXPECT_EQ(model.GetResources().Get(0), stove);
}

TEST_F(DeleteCascade, ResourceRemovesOnlyTheFirstOccurrenceInATask)
{
    Task* haul = AddTask(anna);
    haul->GetRequiredResources().Add(car);
    haul->GetRequiredResources().Add(stove);
    haul->GetRequiredResources().Add(car);

    car->Delete(model);

    ASSERT_EQ(haul->GetRequiredResources().GetCount(), 2);
    EXPECT_EQ(haul->GetRequiredResources().Get(0), stove);
}

TEST_F(DeleteCascade, ResourceOutsideTheModelIsNotFoundAndTasksKeepIt)
{
    Resource stray;
    Task* cook = AddTask(anna);
    cook->GetRequiredResources().Add(&stray);

    EXPECT_FALSE(stray.Delete(model));

    EXPECT_EQ(cook->GetRequiredResources().GetCount(), 1);
}

TEST_F(DeleteCascade, PersonDestroysItsTasksAndProfilesButNoResources)
{
    Task* cook = AddTask(anna);
    cook->GetRequiredResources().Add(stove);
    AddTask(anna);
    Profile* day = AddProfile(anna);
    Precede(Execute(day, cook), cook);

    EXPECT_TRUE(anna->Delete(model));

    EXPECT_EQ(CountedTask::destroyed, 2);
    EXPECT_EQ(CountedProfile::destroyed, 1);
    ASSERT_EQ(model.GetPersons().GetCount(), 1);
    EXPECT_EQ(model.GetPersons().Get(0), bert);
    EXPECT_EQ(model.GetResources().GetCount(), 2);
}

TEST_F(DeleteCascade, ProfileLeavesTheTasksAlone)
{
    Task* cook = AddTask(anna);
    Profile* day = AddProfile(anna);
    Profile* other = AddProfile(anna);
    Execute(day, cook);

    EXPECT_TRUE(day->Delete(model));

    EXPECT_EQ(CountedProfile::destroyed, 1);
    EXPECT_EQ(CountedTask::destroyed, 0);
    ASSERT_EQ(anna->GetProfiles().GetCount(), 1);
    EXPECT_EQ(anna->GetProfiles().Get(0), other);
}

TEST_F(DeleteCascade, ProfileNotInItsOwnersListIsNotFound)
{
    Profile* listed = AddProfile(anna);
    Profile stray(anna);
    EXPECT_FALSE(stray.Delete(model));
    EXPECT_EQ(CountedProfile::destroyed, 0);
    EXPECT_EQ(anna->GetProfiles().Get(0), listed);
}
