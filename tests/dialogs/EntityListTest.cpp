#include "model/Person.h"
#include "model/Task.h"

#include "dialogs/EntityList.h"

#include "app/triext/ImageList.h"

#include <gtest/gtest.h>

namespace {

class EntityListTest : public ::testing::Test {
protected:
    Task* MakeTask(const char* name)
    {
        auto* task = new Task(&person);
        task->SetName(name);
        person.GetTasks().Add(task);
        return task;
    }

    QStringList Texts() const
    {
        QStringList texts;
        for (int row = 0; row < list.GetRowCount(); ++row)
            texts.append(list.GetTextAt(row));
        return texts;
    }

    Person person;
    EntityList list { "Task", 137 };
};

TEST_F(EntityListTest, KeepsRowsInDictionaryOrderWhateverTheInsertionOrder)
{
    for (const char* name : { "banana", "Cherry", "apple", "Apple", "b_", "ba" })
        list.AddRow(MakeTask(name), name, ImageList::Task);
    EXPECT_EQ(Texts(), QStringList({ "Apple", "apple", "b_", "ba", "banana", "Cherry" }));
}

TEST_F(EntityListTest, RowsOfEqualTextKeepTheirInsertionOrder)
{
    Task* first = MakeTask("Same");
    Task* second = MakeTask("Same");
    list.AddRow(first, "Same", ImageList::Task);
    list.AddRow(second, "Same", ImageList::Task);
    EXPECT_EQ(list.GetEntityAt(0), first);
    EXPECT_EQ(list.GetEntityAt(1), second);
}

TEST_F(EntityListTest, EachRowCarriesItsEntityAndIcon)
{
    Task* task = MakeTask("Shower");
    list.AddRow(task, "Shower", ImageList::Task);
    EXPECT_EQ(list.GetEntityAt(0), task);
    EXPECT_EQ(list.FindRow(task), 0);
    EXPECT_FALSE(list.topLevelItem(0)->icon(0).isNull());
    EXPECT_EQ(list.GetEntityAt(1), nullptr);
    EXPECT_EQ(list.GetTextAt(1), QString());
}

TEST_F(EntityListTest, ReportsTheSelectionFromTheTopRowDown)
{
    Task* c = MakeTask("C");
    Task* a = MakeTask("A");
    Task* b = MakeTask("B");
    for (Task* task : { c, a, b })
        list.AddRow(task, task->GetName(), ImageList::Task);
    EXPECT_FALSE(list.HasSelection());
    EXPECT_EQ(list.GetFirstSelectedEntity(), nullptr);

    list.SelectEntity(c);
    list.SelectEntity(a);
    EXPECT_TRUE(list.HasSelection());
    EXPECT_EQ(list.GetSelectedEntities(), QList<TreeItem*>({ a, c }));
    EXPECT_EQ(list.GetFirstSelectedEntity(), a);
}

TEST_F(EntityListTest, SelectingAnEntityWithoutARowFails)
{
    Task* listed = MakeTask("Listed");
    list.AddRow(listed, "Listed", ImageList::Task);
    EXPECT_FALSE(list.SelectEntity(MakeTask("Elsewhere")));
    EXPECT_FALSE(list.HasSelection());
    EXPECT_EQ(list.FindRow(nullptr), -1);
}

TEST_F(EntityListTest, ClearRemovesEveryRowButNoEntity)
{
    list.AddRow(MakeTask("A"), "A", ImageList::Task);
    list.Clear();
    EXPECT_EQ(list.GetRowCount(), 0);
    EXPECT_EQ(person.GetTasks().GetCount(), 1);
}

} // namespace
