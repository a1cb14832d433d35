#include "ModelFakes.h"

#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"

#include <gtest/gtest.h>

namespace {

template <typename T> T* AddNamed(toolbox::ArrayList<T>& list, T* item, const char* name)
{
    item->SetName(name);
    list.Add(item);
    return item;
}

} // namespace

TEST(PlanningModel, SortAllOrdersEveryListByName)
{
    PlanningModel model;
    AddNamed(model.GetResources(), new Resource, "banana");
    AddNamed(model.GetResources(), new Resource, "Cherry");
    AddNamed(model.GetResources(), new Resource, "apple");
    Person* zoe = AddNamed(model.GetPersons(), new Person, "Zoe");
    AddNamed(model.GetPersons(), new Person, "adam");
    AddNamed(zoe->GetTasks(), new Task(zoe), "wash");
    AddNamed(zoe->GetTasks(), new Task(zoe), "Cook");
    AddNamed(zoe->GetProfiles(), new Profile(zoe), "weekday");
    AddNamed(zoe->GetProfiles(), new Profile(zoe), "Sunday");

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
    PlanningModel model;
    Person* anna = AddNamed(model.GetPersons(), new Person, "Anna");
    Task* cook = AddNamed(anna->GetTasks(), new Task(anna), "Cook");
    Profile* weekday = AddNamed(anna->GetProfiles(), new Profile(anna), "Weekday");
    Resource* car = AddNamed(model.GetResources(), new Resource, "Car");
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
    PlanningModel model;
    Person* anna = AddNamed(model.GetPersons(), new Person, "Anna");
    Task* cook = AddNamed(anna->GetTasks(), new Task(anna), "Cook");
    cook->GetRequiredResources().Add(AddNamed(model.GetResources(), new Resource, "Stove"));

    model.Clear();

    EXPECT_EQ(model.GetPersons().GetCount(), 0);
    EXPECT_EQ(model.GetResources().GetCount(), 0);
}
