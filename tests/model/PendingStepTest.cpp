#include "model/PendingStep.h"
#include "model/EditHistory.h"
#include "model/ModelSnapshot.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/Task.h"

#include "ModelBuilder.h"

#include <memory>

#include <gtest/gtest.h>

namespace {

class PendingStepTest : public ::testing::Test {
protected:
    PendingStepTest()
    {
        ModelBuilder build(model);
        anna = build.AddPerson("Anna");
        shower = build.AddTask(anna, "Shower", 15);
        build.AddTask(anna, "Dress", 5);
        anna->SortTasks();
    }

    // The entity a restored snapshot asks to select.
    static const char* FocusName(const ModelSnapshot* restored, const PlanningModel& model)
    {
        TreeItem* focus = restored ? restored->GetFocus().FindNearest(model) : nullptr;
        return focus ? focus->GetName() : nullptr;
    }

    PlanningModel model;
    EditHistory history;
    Person* anna = nullptr;
    Task* shower = nullptr;
};

} // namespace

TEST_F(PendingStepTest, UndoOfADeleteSelectsTheDeletedEntityAndRedoItsOwner)
{
    PendingStep step(&history, model, "Delete Shower", shower);
    shower->Delete(model);
    ASSERT_TRUE(step.Finish(nullptr));
    EXPECT_STREQ(history.GetUndoLabel(), "Delete Shower");
    EXPECT_STREQ(FocusName(history.Undo(model), model), "Shower");
    EXPECT_STREQ(FocusName(history.Redo(model), model), "Anna");
}

TEST_F(PendingStepTest, UndoOfAnInsertSelectsTheOwnerAndRedoTheNewEntity)
{
    auto task = std::make_unique<Task>(anna);
    PendingStep step(&history, model, "Insert Task", task.get());
    task->SetName("Coffee");
    anna->GetTasks().Add(task.release());
    ASSERT_TRUE(step.Finish(anna->GetTasks().GetLast()));
    EXPECT_STREQ(FocusName(history.Undo(model), model), "Anna");
    EXPECT_STREQ(FocusName(history.Redo(model), model), "Coffee");
}

TEST_F(PendingStepTest, UndoOfARenameSelectsTheOldNameAndRedoTheNewOne)
{
    PendingStep step(&history, model, "Properties of Shower", shower);
    shower->SetName("Bath");
    ASSERT_TRUE(step.Finish(shower));
    EXPECT_STREQ(FocusName(history.Undo(model), model), "Shower");
    EXPECT_STREQ(FocusName(history.Redo(model), model), "Bath");
}

TEST_F(PendingStepTest, ACommandThatChangedNothingRecordsNoStep)
{
    PendingStep step(&history, model, "Properties of Shower", shower);
    EXPECT_FALSE(step.Finish(shower));
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(PendingStepTest, WithoutAHistoryNothingIsRecorded)
{
    PendingStep step(nullptr, model, "Delete Shower", shower);
    shower->Delete(model);
    EXPECT_FALSE(step.Finish(nullptr));
}
