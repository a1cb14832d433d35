#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"

#include <gtest/gtest.h>

#include <string>

TEST(EntityDefaults, NewPersonIsNamedPersonWithNoTasksOrProfiles)
{
    Person person;
    EXPECT_STREQ(person.GetName(), "Person");
    EXPECT_EQ(person.GetTasks().GetCount(), 0);
    EXPECT_EQ(person.GetProfiles().GetCount(), 0);
    EXPECT_EQ(person.GetTreeNode(), nullptr);
    EXPECT_EQ(person.GetKind(), TreeItemKind::Person);
}

TEST(EntityDefaults, NewTaskLastsNoTimeAndRequiresNothing)
{
    Person person;
    Task task(&person);
    EXPECT_STREQ(task.GetName(), "Task");
    EXPECT_EQ(task.GetDuration(), 0);
    EXPECT_EQ(task.GetRequiredResources().GetCount(), 0);
    EXPECT_EQ(task.GetOwner(), &person);
    EXPECT_EQ(task.GetKind(), TreeItemKind::Task);
}

TEST(EntityDefaults, NewProfileEndsAtMidnightAndExecutesNothing)
{
    Person person;
    Profile profile(&person);
    EXPECT_STREQ(profile.GetName(), "Profile");
    EXPECT_EQ(profile.GetEndTime(), 0);
    EXPECT_EQ(profile.GetPrecedenceRelations().GetCount(), 0);
    EXPECT_EQ(profile.GetOwner(), &person);
    EXPECT_EQ(profile.GetKind(), TreeItemKind::Profile);
}

TEST(EntityDefaults, NewResourceHasAmountOne)
{
    Resource resource;
    EXPECT_STREQ(resource.GetName(), "Resource");
    EXPECT_EQ(resource.GetAmount(), 1);
    EXPECT_EQ(resource.GetKind(), TreeItemKind::Resource);
}

TEST(EntityDefaults, NewPrecedentEntryHasNoMinimumAndNoMaximum)
{
    Person person;
    Task earlier(&person);
    PrecedentTask entry(&earlier);
    EXPECT_EQ(entry.GetTask(), &earlier);
    EXPECT_EQ(entry.GetMinimumTime(), 0);
    EXPECT_EQ(entry.GetMaximumTime(), 32767);
}

TEST(EntityDefaults, NewRelationHasNoTaskAndNoPrecedents)
{
    PrecedenceRelation relation;
    EXPECT_EQ(relation.GetTask(), nullptr);
    EXPECT_EQ(relation.GetPrecedents().GetCount(), 0);
}

TEST(EntityNames, SetNameKeepsItsOwnCopyOfTheText)
{
    Person person;
    std::string text = "Anna";
    person.SetName(text.c_str());
    text[0] = 'X';
    EXPECT_STREQ(person.GetName(), "Anna");
}

TEST(EntityNames, NullNameReadsAsEmpty)
{
    Resource resource;
    resource.SetName(nullptr);
    EXPECT_STREQ(resource.GetName(), "");
}

TEST(EntityNames, NameBytesAreKeptExactly)
{
    Task task(nullptr);
    task.SetName("Caf\xe9 \xc3\xa9");
    EXPECT_STREQ(task.GetName(), "Caf\xe9 \xc3\xa9");
}

TEST(TaskResources, DestroyingATaskLeavesItsResourcesAlive)
{
    Resource resource;
    resource.SetName("Car");
    {
        Task task(nullptr);
        task.GetRequiredResources().Add(&resource);
    }
    EXPECT_STREQ(resource.GetName(), "Car");
}
