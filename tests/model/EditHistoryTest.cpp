#include "model/EditHistory.h"
#include "model/ModelSnapshot.h"
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

// A household of two persons: Anna's shower needs the bathroom, her morning
// runs breakfast 10 to 30 minutes after the shower.
class EditHistoryTest : public ::testing::Test {
protected:
    EditHistoryTest()
    {
        ModelBuilder build(model);
        Resource* bathroom = build.AddResource("Bathroom", 2);
        Person* anna = build.AddPerson("Anna");
        Task* shower = build.AddTask(anna, "Shower", 15, { bathroom });
        Task* breakfast = build.AddTask(anna, "Breakfast", 20);
        Profile* morning = build.AddProfile(anna, "Morning", 480, { shower, breakfast });
        ModelBuilder::Precede(morning, shower, breakfast, 10, 30);
        build.AddPerson("Ben");
        model.SortAll();
    }

    // Records one step that changes the model by `change`.
    template <typename Change> void Step(const char* label, Change change)
    {
        ModelSnapshot before = ModelSnapshot::Take(model);
        change();
        ASSERT_TRUE(history.Record(label, before, ModelSnapshot::Take(model)));
    }

    void DeletePerson(const char* name)
    {
        Step((std::string("Delete ") + name).c_str(), [this, name] { FindPerson(name)->Delete(model); });
    }

    Person* FindPerson(const char* name)
    {
        for (Person* person : model.GetPersons()) {
            if (std::string(person->GetName()) == name)
                return person;
        }
        return nullptr;
    }

    std::string Text() { return ModelSnapshot::Take(model).GetText(); }

    PlanningModel model;
    EditHistory history;
};

} // namespace

TEST_F(EditHistoryTest, UndoBringsBackADeletedPersonWithTasksProfilesAndReferences)
{
    std::string original = Text();
    DeletePerson("Anna");
    ASSERT_EQ(model.GetPersons().GetCount(), 1);

    ASSERT_NE(history.Undo(model), nullptr);

    EXPECT_EQ(Text(), original);
    Person* anna = FindPerson("Anna");
    ASSERT_NE(anna, nullptr);
    ASSERT_EQ(anna->GetTasks().GetCount(), 2);
    Task* shower = anna->GetTasks().Get(1);
    EXPECT_STREQ(shower->GetName(), "Shower");
    EXPECT_EQ(shower->GetOwner(), anna);
    // References lead into the restored model, not to the objects of before.
    EXPECT_EQ(shower->GetRequiredResources().Get(0), model.GetResources().Get(0));
    Profile* morning = anna->GetProfiles().Get(0);
    ASSERT_EQ(morning->GetPrecedenceRelations().GetCount(), 2);
    // Relations come back in the store's order, not in the order they were added.
    PrecedentTask* entry = nullptr;
    for (PrecedenceRelation* relation : morning->GetPrecedenceRelations()) {
        if (relation->GetPrecedents().GetCount() > 0)
            entry = relation->GetPrecedents().Get(0);
    }
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->GetTask(), shower);
    EXPECT_EQ(entry->GetMinimumTime(), 10);
    EXPECT_EQ(entry->GetMaximumTime(), 30);
}

TEST_F(EditHistoryTest, RedoTakesTheUndoneStepAgain)
{
    DeletePerson("Anna");
    std::string afterDelete = Text();
    history.Undo(model);
    ASSERT_NE(history.Redo(model), nullptr);
    EXPECT_EQ(Text(), afterDelete);
    EXPECT_EQ(FindPerson("Anna"), nullptr);
    EXPECT_TRUE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
}

TEST_F(EditHistoryTest, UndoWalksBackStepByStepAndRedoForward)
{
    std::string original = Text();
    DeletePerson("Anna");
    std::string withoutAnna = Text();
    DeletePerson("Ben");
    history.Undo(model);
    EXPECT_EQ(Text(), withoutAnna);
    history.Undo(model);
    EXPECT_EQ(Text(), original);
    history.Redo(model);
    EXPECT_EQ(Text(), withoutAnna);
}

TEST_F(EditHistoryTest, AnUnchangedModelLeavesNoStep)
{
    ModelSnapshot before = ModelSnapshot::Take(model);
    EXPECT_FALSE(history.Record("Properties of Anna", before, ModelSnapshot::Take(model)));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.GetUndoLabel(), nullptr);
}

TEST_F(EditHistoryTest, ANewStepDropsTheStepsThatWereUndone)
{
    DeletePerson("Anna");
    DeletePerson("Ben");
    history.Undo(model);
    history.Undo(model);
    ASSERT_EQ(history.GetRedoCount(), 2);
    Step("Insert Resource", [this] { ModelBuilder(model).AddResource("Car"); });
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.GetUndoCount(), 1);
    EXPECT_STREQ(history.GetUndoLabel(), "Insert Resource");
}

TEST_F(EditHistoryTest, LabelsNameTheStepsThatUndoAndRedoActOn)
{
    DeletePerson("Anna");
    DeletePerson("Ben");
    EXPECT_STREQ(history.GetUndoLabel(), "Delete Ben");
    EXPECT_EQ(history.GetRedoLabel(), nullptr);
    history.Undo(model);
    EXPECT_STREQ(history.GetUndoLabel(), "Delete Anna");
    EXPECT_STREQ(history.GetRedoLabel(), "Delete Ben");
}

TEST_F(EditHistoryTest, WithNothingToUndoOrRedoTheModelStaysAsItIs)
{
    std::string original = Text();
    Person* anna = FindPerson("Anna");
    EXPECT_EQ(history.Undo(model), nullptr);
    EXPECT_EQ(history.Redo(model), nullptr);
    EXPECT_EQ(Text(), original);
    EXPECT_EQ(FindPerson("Anna"), anna);
}

TEST_F(EditHistoryTest, KeepsTheLatestHundredStepsAndDropsTheOldest)
{
    std::string afterFirstFive;
    for (int i = 0; i < 105; ++i) {
        Step("Insert Resource", [this, i] { ModelBuilder(model).AddResource(std::to_string(i).c_str()); });
        if (i == 4)
            afterFirstFive = Text();
    }
    EXPECT_EQ(history.GetUndoCount(), EditHistory::DefaultCapacity);
    while (history.Undo(model)) { }
    EXPECT_EQ(Text(), afterFirstFive);
    EXPECT_EQ(history.GetRedoCount(), 100);
}

TEST_F(EditHistoryTest, ASmallCapacityDropsTheOldestStepFirst)
{
    EditHistory small(2);
    for (const char* name : { "A", "B", "C" }) {
        ModelSnapshot before = ModelSnapshot::Take(model);
        ModelBuilder(model).AddResource(name);
        small.Record(name, before, ModelSnapshot::Take(model));
    }
    EXPECT_STREQ(small.GetUndoLabel(), "C");
    small.Undo(model);
    EXPECT_STREQ(small.GetUndoLabel(), "B");
    small.Undo(model);
    EXPECT_FALSE(small.CanUndo());
    EXPECT_EQ(model.GetResources().GetCount(), 2);
}

TEST_F(EditHistoryTest, ChangeHandlerHearsOfEveryStepUndoAndRedoButNotOfAnUnchangedModel)
{
    int changes = 0;
    history.SetChangeHandler([&changes] { ++changes; });
    ModelSnapshot unchanged = ModelSnapshot::Take(model);
    history.Record("Properties of Anna", unchanged, ModelSnapshot::Take(model));
    EXPECT_EQ(changes, 0);
    DeletePerson("Ben");
    history.Undo(model);
    history.Redo(model);
    history.Redo(model);
    EXPECT_EQ(changes, 3);
}
