#include "model/ItemPath.h"
#include "model/ModelSnapshot.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"

#include "ModelBuilder.h"

#include <gtest/gtest.h>

namespace {

class ItemPathTest : public ::testing::Test {
protected:
    ItemPathTest()
    {
        ModelBuilder build(model);
        car = build.AddResource("Car");
        anna = build.AddPerson("Anna");
        shower = build.AddTask(anna, "Shower", 15);
        morning = build.AddProfile(anna, "Morning", 480, { shower });
        copy = build.AddProfile(anna, "Morning", 500);
    }

    // The model as a restart would rebuild it: every entity a new object.
    void Rebuild() { ModelSnapshot::Take(model).RestoreInto(model); }

    PlanningModel model;
    Resource* car = nullptr;
    Person* anna = nullptr;
    Task* shower = nullptr;
    Profile* morning = nullptr;
    Profile* copy = nullptr;
};

} // namespace

TEST_F(ItemPathTest, FindsATaskAgainInARebuiltModel)
{
    ItemPath path = ItemPath::Of(model, shower);
    EXPECT_EQ(path.GetDepth(), 2);
    Rebuild();
    TreeItem* found = path.FindNearest(model);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found, model.GetPersons().Get(0)->GetTasks().Get(0));
}

TEST_F(ItemPathTest, FindsAResourceAgainInARebuiltModel)
{
    ItemPath path = ItemPath::Of(model, car);
    Rebuild();
    EXPECT_EQ(path.FindNearest(model), model.GetResources().Get(0));
    EXPECT_EQ(path.GetTopKind(), TreeItemKind::Resource);
}

TEST_F(ItemPathTest, ProfilesOfOneNameAreToldApartAsTheRebuiltModelNamesThem)
{
    ItemPath first = ItemPath::Of(model, morning);
    ItemPath second = ItemPath::Of(model, copy);
    Rebuild();
    auto* foundFirst = static_cast<Profile*>(first.FindNearest(model));
    auto* foundSecond = static_cast<Profile*>(second.FindNearest(model));
    ASSERT_NE(foundFirst, foundSecond);
    EXPECT_EQ(foundFirst->GetEndTime(), 480);
    EXPECT_EQ(foundSecond->GetEndTime(), 500);
}

TEST_F(ItemPathTest, AMissingTaskLeadsToItsPerson)
{
    ItemPath path = ItemPath::Of(model, shower);
    shower->Delete(model);
    EXPECT_EQ(path.FindNearest(model), anna);
}

TEST_F(ItemPathTest, AMissingPersonLeadsNowhereButKeepsItsFolder)
{
    ItemPath path = ItemPath::Of(model, anna);
    anna->Delete(model);
    EXPECT_EQ(path.FindNearest(model), nullptr);
    EXPECT_FALSE(path.IsEmpty());
    EXPECT_EQ(path.GetTopKind(), TreeItemKind::Person);
}

TEST_F(ItemPathTest, AnEntityNotYetInItsListGivesThePathOfItsOwner)
{
    Task unlisted(anna);
    ItemPath path = ItemPath::Of(model, &unlisted);
    EXPECT_EQ(path.GetDepth(), 1);
    EXPECT_EQ(path.FindNearest(model), anna);
    Person newcomer;
    ItemPath folderOnly = ItemPath::Of(model, &newcomer);
    EXPECT_EQ(folderOnly.GetDepth(), 0);
    EXPECT_FALSE(folderOnly.IsEmpty());
    EXPECT_EQ(folderOnly.FindNearest(model), nullptr);
}

TEST_F(ItemPathTest, NoEntityGivesTheEmptyPath)
{
    ItemPath path = ItemPath::Of(model, nullptr);
    EXPECT_TRUE(path.IsEmpty());
    EXPECT_EQ(path.FindNearest(model), nullptr);
}
