#include "BuiltModel.h"
#include "ModelFakes.h"

#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"

#include <gtest/gtest.h>

namespace {

void Rename(TreeItem& entity, const char* name)
{
    entity.SetName(name);
}

class TreeItemEditing : public ::testing::Test {
protected:
    TreeItemEditing()
    {
        anna = built.AddPerson("Anna");
        bert = built.AddPerson("Bert");
        model.InsertIntoTree(tree);
    }

    BuiltModel built;
    PlanningModel& model = built.model;
    FakeTreeView tree;
    Person* anna;
    Person* bert;
};

} // namespace

TEST_F(TreeItemEditing, OkRenamesTheNodeAndResortsThePersons)
{
    FakePropertyEditor editor(EditOutcome::Ok);
    editor.onEdit = [](TreeItem& entity) { Rename(entity, "Zelda"); };

    EXPECT_TRUE(anna->EditProperties(model, editor, tree));

    EXPECT_EQ(editor.lastDialog, "person");
    EXPECT_EQ(tree.NodeAt(anna->GetTreeNode()).label, "Zelda");
    EXPECT_EQ(model.GetPersons().Get(0), bert);
    EXPECT_EQ(model.GetPersons().Get(1), anna);
}

TEST_F(TreeItemEditing, CancelLeavesNodeAndOrderAlone)
{
    FakePropertyEditor editor(EditOutcome::Cancel);
    model.GetPersons().Remove(anna);
    model.GetPersons().Add(anna);

    EXPECT_FALSE(anna->EditProperties(model, editor, tree));

    EXPECT_EQ(tree.renameCount, 0);
    EXPECT_EQ(model.GetPersons().Get(0), bert);
    EXPECT_EQ(model.GetPersons().Get(1), anna);
}

TEST_F(TreeItemEditing, EntityWithoutNodeIsOnlySorted)
{
    built.AddTask(anna, "Wash");
    Task* cook = built.AddTask(anna, "Task");
    FakePropertyEditor editor(EditOutcome::Ok);
    editor.onEdit = [](TreeItem& entity) { Rename(entity, "Cook"); };

    EXPECT_TRUE(cook->EditProperties(model, editor, tree));

    EXPECT_EQ(editor.lastDialog, "task");
    EXPECT_EQ(tree.renameCount, 0);
    EXPECT_EQ(anna->GetTasks().Get(0), cook);
}

TEST_F(TreeItemEditing, ProfileOkSortsOnlyItsOwnersProfiles)
{
    built.AddProfile(anna, "b");
    Profile* early = built.AddProfile(anna, "c");
    FakePropertyEditor editor(EditOutcome::Ok);
    editor.onEdit = [](TreeItem& entity) { Rename(entity, "a"); };

    EXPECT_TRUE(early->EditProperties(model, editor, tree));

    EXPECT_EQ(editor.lastDialog, "profile");
    EXPECT_EQ(anna->GetProfiles().Get(0), early);
    EXPECT_EQ(model.GetPersons().Get(0), anna);
}

TEST_F(TreeItemEditing, ResourceOkResortsTheResources)
{
    built.AddResource("Stove");
    Resource* car = built.AddResource("Car");
    FakePropertyEditor editor(EditOutcome::Ok);

    EXPECT_TRUE(car->EditProperties(model, editor, tree));

    EXPECT_EQ(editor.lastDialog, "resource");
    EXPECT_EQ(model.GetResources().Get(0), car);
}

TEST(TreeInsertion, PersonInsertsTasksAndProfilesFoldersUnderItsNode)
{
    Person person;
    Task* task = ModelBuilder::AddTask(&person, "Task");
    Profile* profile = ModelBuilder::AddProfile(&person, "Profile");
    FakeTreeView tree;
    TreeNodeHandle parent = tree.InsertNode("Persons", 1, nullptr, nullptr);

    person.InsertIntoTree(tree, parent);

    ASSERT_EQ(tree.nodes.size(), 6u);
    EXPECT_EQ(tree.nodes[1].label, "Person");
    EXPECT_EQ(tree.nodes[1].iconIndex, 3);
    EXPECT_EQ(tree.nodes[1].entity, &person);
    EXPECT_EQ(tree.nodes[1].parent, parent);
    EXPECT_EQ(person.GetTreeNode(), FakeTreeView::HandleOf(1));

    EXPECT_EQ(tree.nodes[2].label, "Tasks");
    EXPECT_EQ(tree.nodes[2].iconIndex, 1);
    EXPECT_EQ(tree.nodes[2].entity, nullptr);
    EXPECT_EQ(tree.nodes[2].parent, person.GetTreeNode());
    EXPECT_EQ(tree.nodes[3].entity, task);
    EXPECT_EQ(tree.nodes[3].iconIndex, 6);
    EXPECT_EQ(tree.nodes[3].parent, FakeTreeView::HandleOf(2));

    EXPECT_EQ(tree.nodes[4].label, "Profiles");
    EXPECT_EQ(tree.nodes[4].iconIndex, 1);
    EXPECT_EQ(tree.nodes[4].parent, person.GetTreeNode());
    EXPECT_EQ(tree.nodes[5].entity, profile);
    EXPECT_EQ(tree.nodes[5].iconIndex, 4);
    EXPECT_EQ(profile->GetTreeNode(), FakeTreeView::HandleOf(5));
}

TEST(TreeInsertion, RebuildingStoresTheNewNode)
{
    Resource resource;
    FakeTreeView first;
    first.InsertNode("Resources", 1, nullptr, nullptr);
    resource.InsertIntoTree(first, nullptr);
    FakeTreeView second;
    resource.InsertIntoTree(second, nullptr);
    EXPECT_EQ(resource.GetTreeNode(), FakeTreeView::HandleOf(0));
}
