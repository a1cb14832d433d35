#include "model/EditHistory.h"
#include "model/ModelSnapshot.h"
#include "model/PendingStep.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"

#include "ModelBuilder.h"

#include <string>

#include <gtest/gtest.h>

namespace {

// Anna's shower needs the bathroom; her morning has breakfast 10 to 30
// minutes after the shower. Ben has nothing yet.
class EditHistoryTest : public ::testing::Test {
protected:
    EditHistoryTest()
    {
        ModelBuilder build(model);
        Resource* bathroom = build.AddResource("Bathroom");
        anna = build.AddPerson("Anna");
        Task* shower = build.AddTask(anna, "Shower", 15, { bathroom });
        Task* breakfast = build.AddTask(anna, "Breakfast", 20);
        ModelBuilder::Precede(build.AddProfile(anna, "Morning", 480, { shower, breakfast }), shower, breakfast, 10, 30);
        build.AddPerson("Ben");
        model.SortAll();
    }

    // One command: `change` runs between the step's two snapshots.
    template <typename Change> bool Step(const char* label, TreeItem* touched, Change change)
    {
        PendingStep step(&history, model, label, touched);
        return step.Finish(change());
    }

    std::string Text() { return ModelSnapshot::Take(model).GetText(); }
    static const char* NameAt(const ModelSnapshot* restored, const PlanningModel& model)
    {
        TreeItem* focus = restored ? restored->GetFocus().FindNearest(model) : nullptr;
        return focus ? focus->GetName() : nullptr;
    }

    PlanningModel model;
    EditHistory history;
    Person* anna = nullptr;
};

} // namespace

TEST_F(EditHistoryTest, UndoBringsADeletedPersonBackWithItsReferencesSelectedAndRedoDeletesItAgain)
{
    std::string original = Text();
    ASSERT_TRUE(Step("Delete Anna", anna, [this]() -> TreeItem* {
        anna->Delete(model);
        return nullptr;
    }));
    std::string deleted = Text();
    EXPECT_STREQ(NameAt(history.Undo(model), model), "Anna");
    EXPECT_EQ(Text(), original);
    // Every reference leads into the rebuilt model.
    Person* restored = model.GetPersons().Get(0);
    Task* shower = restored->GetTasks().Get(1);
    EXPECT_EQ(shower->GetRequiredResources().Get(0), model.GetResources().Get(0));
    int withEntry = 0;
    for (PrecedenceRelation* relation : restored->GetProfiles().Get(0)->GetPrecedenceRelations()) {
        if (PrecedentTask* entry = relation->GetPrecedents().Get(0)) {
            EXPECT_EQ(entry->GetTask(), shower);
            ++withEntry;
        }
    }
    EXPECT_EQ(withEntry, 1);
    EXPECT_STREQ(history.GetRedoLabel(), "Delete Anna");
    EXPECT_EQ(NameAt(history.Redo(model), model), nullptr);
    EXPECT_EQ(Text(), deleted);
}

TEST_F(EditHistoryTest, UndoSelectsTheOldNameOfARenamedTaskAndRedoTheNewOne)
{
    Task* shower = anna->GetTasks().Get(1);
    Step("Properties of Shower", shower, [shower] {
        shower->SetName("Bath");
        return shower;
    });
    EXPECT_STREQ(NameAt(history.Undo(model), model), "Shower");
    EXPECT_STREQ(NameAt(history.Redo(model), model), "Bath");
}

TEST_F(EditHistoryTest, ProfilesOfOneNameAreFoundAgainUnderTheNamesTheyAreStoredBy)
{
    Profile* morning = anna->GetProfiles().Get(0);
    Step("Duplicate Morning", morning, [this, morning] {
        Profile* copy = morning->Duplicate().release();
        copy->SetEndTime(500);
        anna->GetProfiles().Add(copy);
        return copy;
    });
    history.Undo(model);
    auto* copy = static_cast<Profile*>(history.Redo(model)->GetFocus().FindNearest(model));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetEndTime(), 500);
    EXPECT_STREQ(copy->GetName(), "Morning (2)");
}

TEST_F(EditHistoryTest, AnUnchangedModelLeavesNoStepAndANewStepDropsTheUndoneOnes)
{
    EXPECT_FALSE(Step("Properties of Anna", anna, [this] { return anna; }));
    EXPECT_FALSE(history.CanUndo());
    Step("Insert Resource", nullptr, [this] { return ModelBuilder(model).AddResource("Car"); });
    history.Undo(model);
    ASSERT_TRUE(history.CanRedo());
    Step("Insert Resource", nullptr, [this] { return ModelBuilder(model).AddResource("Kitchen"); });
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.GetUndoCount(), 1);
}

TEST_F(EditHistoryTest, KeepsTheLatestHundredStepsAndDropsTheOldest)
{
    std::string afterFive;
    for (int i = 0; i < 105; ++i) {
        Step("Insert Resource", nullptr,
            [this, i] { return ModelBuilder(model).AddResource(std::to_string(i).c_str()); });
        if (i == 4)
            afterFive = Text();
    }
    while (history.Undo(model)) { }
    EXPECT_EQ(history.GetRedoCount(), EditHistory::DefaultCapacity);
    EXPECT_EQ(Text(), afterFive);
}
