#include "ModelBuilder.h"

#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/Resource.h"
#include "model/Task.h"

#include <gtest/gtest.h>

#include <string>

// A task's required resources only refer to the model's resources; the list
// grows and shrinks as the task dialog adds and removes them.
TEST(RequiredResources, TaskThatOnceRequiredManyAndNowFewerLeavesEveryResourceWhenDeleted)
{
    PlanningModel model;
    ModelBuilder build(model);
    Person* anna = build.AddPerson("Anna");
    Task* move = build.AddTask(anna, "Move house", 600);
    for (int i = 0; i < 82; ++i) {
        std::string name = "Box " + std::to_string(i);
        move->GetRequiredResources().Add(build.AddResource(name.c_str()));
    }
    // Removed one by one from the end, the list is left under-filled with
    // more elements than the smallest array holds.
    while (move->GetRequiredResources().GetCount() > 40)
        move->GetRequiredResources().Remove(move->GetRequiredResources().GetLast());

    EXPECT_TRUE(move->Delete(model));
    EXPECT_EQ(anna->GetTasks().GetCount(), 0);
    ASSERT_EQ(model.GetResources().GetCount(), 82);
    EXPECT_STREQ(model.GetResources().Get(81)->GetName(), "Box 81");
}
