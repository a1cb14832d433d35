#include "ModelBuilder.h"
#include "model/PlanningModel.h"
#include "model/Resource.h"
#include "model/Task.h"

#include <gtest/gtest.h>

namespace {

class TaskRequirementsTest : public ::testing::Test {
protected:
    TaskRequirementsTest()
    {
        Person* anna = build.AddPerson("Anna");
        cook = build.AddTask(anna, "Cook", 45);
        stove = build.AddResource("Stove");
        car = build.AddResource("Car");
    }

    PlanningModel model;
    ModelBuilder build { model };
    Task* cook;
    Resource* stove;
    Resource* car;
};

} // namespace

TEST_F(TaskRequirementsTest, RequireAppendsInTheOrderOfRequiring)
{
    cook->Require(*stove);
    cook->Require(*car);

    ASSERT_EQ(cook->GetRequiredResources().GetCount(), 2);
    EXPECT_EQ(cook->GetRequiredResources().Get(0), stove);
    EXPECT_EQ(cook->GetRequiredResources().Get(1), car);
    EXPECT_TRUE(cook->Requires(*car));
}

TEST_F(TaskRequirementsTest, RequiringAResourceTwiceKeepsOneEntry)
{
    cook->Require(*stove);
    cook->Require(*stove);
    EXPECT_EQ(cook->GetRequiredResources().GetCount(), 1);
}

TEST_F(TaskRequirementsTest, StopRequiringLeavesTheResourceInTheModel)
{
    cook->Require(*stove);
    cook->Require(*car);

    cook->StopRequiring(*stove);
    cook->StopRequiring(*stove);

    ASSERT_EQ(cook->GetRequiredResources().GetCount(), 1);
    EXPECT_EQ(cook->GetRequiredResources().Get(0), car);
    EXPECT_FALSE(cook->Requires(*stove));
    EXPECT_EQ(model.GetResources().IndexOf(stove), 0);
    EXPECT_STREQ(stove->GetName(), "Stove");
}
