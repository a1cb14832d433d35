#include "BuiltModel.h"
#include "ModelFakes.h"

#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"

#include <gtest/gtest.h>

#include <memory>

TEST(PlanningModel, SortAllOrdersEveryListByName)
{
    BuiltModel built;
    PlanningModel& model = built.model;
    built.AddResource("banana");
    built.AddResource("Cherry");
    built.AddResource("apple");
    Person* zoe = built.AddPerson("Zoe");
    built.AddPerson("adam");
    built.AddTask(zoe, "wash");
    built.AddTask(zoe, "Cook");
    built.AddProfile(zoe, "weekday");
    built.AddProfile(zoe, "Sunday");

    model.SortAll();

    EXPECT_STREQ(model.GetResources().Get(0)->GetName(), "apple");
    EXPECT_STREQ(model.GetResources().Get(1)->GetName(), "banana");
    EXPECT_STREQ(model.GetResources().Get(2)->GetName(), "Cherry");
    EXPECT_STREQ(model.GetPersons().Get(0)->GetName(), "adam");
    EXPECT_STREQ(zoe->GetTasks().Get(0)->GetName(), "Cook");
    EXPECT_STREQ(zoe->GetProfiles().Get(0)->GetName(), "Sunday");
}

TEST(PlanningModel, InsertIntoTreeBuildsPersonsThenResourcesFolders)
{
    BuiltModel built;
    PlanningModel& model = built.model;
    Person* anna = built.AddPerson("Anna");
    Task* cook = built.AddTask(anna, "Cook");
    Profile* weekday = built.AddProfile(anna, "Weekday");
    Resource* car = built.AddResource("Car");
    FakeTreeView tree;

    model.InsertIntoTree(tree);

    ASSERT_EQ(tree.nodes.size(), 8u);
    EXPECT_EQ(tree.nodes[0].label, "Persons");
    EXPECT_EQ(tree.nodes[0].iconIndex, 1);
    EXPECT_EQ(tree.nodes[0].parent, nullptr);
    EXPECT_EQ(tree.nodes[1].entity, anna);
    EXPECT_EQ(tree.nodes[1].parent, FakeTreeView::HandleOf(0));
    EXPECT_EQ(tree.NodeAt(cook->GetTreeNode()).label, "Cook");
    EXPECT_EQ(tree.NodeAt(weekday->GetTreeNode()).label, "Weekday");
    EXPECT_EQ(tree.nodes[6].label, "Resources");
    EXPECT_EQ(tree.nodes[6].parent, nullptr);
    EXPECT_EQ(tree.NodeAt(car->GetTreeNode()).parent, FakeTreeView::HandleOf(6));
    EXPECT_EQ(tree.NodeAt(car->GetTreeNode()).iconIndex, 5);
}

TEST(PlanningModel, ClearDestroysEveryEntity)
{
    BuiltModel built;
    PlanningModel& model = built.model;
    Person* anna = built.AddPerson("Anna");
    built.AddTask(anna, "Cook", 0, { built.AddResource("Stove") });

    model.Clear();

    EXPECT_EQ(model.GetPersons().GetCount(), 0);
    EXPECT_EQ(model.GetResources().GetCount(), 0);
}

TEST(PlanningModel, AddingAppendsAndInsertingPlacesByName)
{
    BuiltModel built;
    PlanningModel& model = built.model;
    built.AddPerson("Zoe");
    built.AddResource("Stove");

    Person& appended = model.AddPerson(std::make_unique<Person>());
    Resource& alsoAppended = model.AddResource(std::make_unique<Resource>());
    EXPECT_EQ(model.GetPersons().Get(1), &appended);
    EXPECT_EQ(model.GetResources().Get(1), &alsoAppended);

    appended.SetName("zz");
    alsoAppended.SetName("zz");
    Person& inserted = model.InsertPerson(std::make_unique<Person>());
    Resource& alsoInserted = model.InsertResource(std::make_unique<Resource>());
    EXPECT_EQ(model.GetPersons().Get(0), &inserted);
    EXPECT_EQ(model.GetResources().Get(0), &alsoInserted);
}

TEST(PlanningModel, APersonAppendsAddedAndPlacesInsertedTasksAndProfilesByName)
{
    Person anna;
    ModelBuilder::AddTask(&anna, "Wash");
    ModelBuilder::AddProfile(&anna, "Weekday");

    Task& appended = anna.AddTask(std::make_unique<Task>(&anna));
    Profile& alsoAppended = anna.AddProfile(std::make_unique<Profile>(&anna));
    EXPECT_EQ(anna.GetTasks().Get(1), &appended);
    EXPECT_EQ(anna.GetProfiles().Get(1), &alsoAppended);

    appended.SetName("zz");
    alsoAppended.SetName("zz");
    Task& inserted = anna.InsertTask(std::make_unique<Task>(&anna));
    Profile& alsoInserted = anna.InsertProfile(std::make_unique<Profile>(&anna));
    EXPECT_EQ(anna.GetTasks().Get(0), &inserted);
    EXPECT_EQ(anna.GetProfiles().Get(0), &alsoInserted);
}
