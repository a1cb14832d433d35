#include "model/Person.h"
#include "model/Resource.h"
#include "model/Task.h"

#include "dialogs/TaskDialog.h"

#include "MessageBoxRecorder.h"
#include "dialogs/EntityList.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "RowDoubleClick.h"
#include <gtest/gtest.h>

namespace {

class TaskDialogTest : public ::testing::Test {
protected:
    TaskDialogTest()
        : task(&person)
    {
    }
    ~TaskDialogTest() override { task.GetRequiredResources().RemoveAll(); }

    Resource* AddResource(const char* name)
    {
        auto* resource = new Resource;
        resource->SetName(name);
        resources.Add(resource);
        return resource;
    }

    static QStringList Texts(const EntityList* list)
    {
        QStringList texts;
        for (int row = 0; row < list->GetRowCount(); ++row)
            texts.append(list->GetTextAt(row));
        return texts;
    }

    toolbox::ArrayList<Resource> resources;
    Person person;
    Task task;
    MessageBoxRecorder boxes;
};

TEST_F(TaskDialogTest, ANewTaskOffersEveryResourceAndRequiresNone)
{
    AddResource("Car");
    AddResource("Bathroom");
    TaskDialog dialog(task, resources);
    EXPECT_EQ(dialog.windowTitle(), "Task properties");
    EXPECT_EQ(dialog.GetNameEdit()->text(), "Task");
    EXPECT_EQ(dialog.GetDurationEdit()->text(), "0");
    EXPECT_EQ(Texts(dialog.GetAvailableList()), QStringList({ "Bathroom", "Car" }));
    EXPECT_EQ(dialog.GetRequiredList()->GetRowCount(), 0);
}

TEST_F(TaskDialogTest, RowsAreSortedByTextAndCarryTheirResource)
{
    Resource* kitchen = AddResource("kitchen");
    Resource* bathroom = AddResource("Bathroom");
    Resource* attic = AddResource("attic");
    TaskDialog dialog(task, resources);
    const EntityList* list = dialog.GetAvailableList();
    EXPECT_EQ(Texts(list), QStringList({ "attic", "Bathroom", "kitchen" }));
    EXPECT_EQ(list->GetEntityAt(0), attic);
    EXPECT_EQ(list->GetEntityAt(1), bathroom);
    EXPECT_EQ(list->GetEntityAt(2), kitchen);
}

TEST_F(TaskDialogTest, ShowsTheResourcesTheTaskAlreadyRequires)
{
    Resource* car = AddResource("Car");
    AddResource("Bathroom");
    task.GetRequiredResources().Add(car);
    TaskDialog dialog(task, resources);
    EXPECT_EQ(Texts(dialog.GetAvailableList()), QStringList({ "Bathroom" }));
    EXPECT_EQ(Texts(dialog.GetRequiredList()), QStringList({ "Car" }));
}

TEST_F(TaskDialogTest, AddWithoutASelectionAsksForAResourceAndChangesNothing)
{
    AddResource("Car");
    TaskDialog dialog(task, resources);
    dialog.GetAddButton()->click();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Please select a resource first.");
    EXPECT_EQ(boxes.boxes[0].icon, MessageBox::Icon::Stop);
    EXPECT_EQ(boxes.boxes[0].owner, &dialog);
    EXPECT_EQ(task.GetRequiredResources().GetCount(), 0);
    EXPECT_FALSE(dialog.IsForced());
}

TEST_F(TaskDialogTest, AddWithNoResourcesInTheModelAsksForAResource)
{
    TaskDialog dialog(task, resources);
    EXPECT_EQ(dialog.GetAvailableList()->GetRowCount(), 0);
    EXPECT_EQ(dialog.GetRequiredList()->GetRowCount(), 0);
    dialog.GetAddButton()->click();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Please select a resource first.");
}

TEST_F(TaskDialogTest, AddingTwoSelectedResourcesRequiresBothInRowOrderAndForces)
{
    Resource* car = AddResource("Car");
    Resource* bathroom = AddResource("Bathroom");
    AddResource("Kitchen");
    TaskDialog dialog(task, resources);
    dialog.GetAvailableList()->SelectEntity(car);
    dialog.GetAvailableList()->SelectEntity(bathroom);
    dialog.GetAddButton()->click();

    ASSERT_EQ(task.GetRequiredResources().GetCount(), 2);
    EXPECT_EQ(task.GetRequiredResources().Get(0), bathroom);
    EXPECT_EQ(task.GetRequiredResources().Get(1), car);
    EXPECT_EQ(Texts(dialog.GetRequiredList()), QStringList({ "Bathroom", "Car" }));
    EXPECT_EQ(Texts(dialog.GetAvailableList()), QStringList({ "Kitchen" }));
    EXPECT_TRUE(dialog.IsForced());
    EXPECT_EQ(dialog.GetOkButton()->text(), "Close");
    EXPECT_FALSE(dialog.GetCancelButton()->isEnabled());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(TaskDialogTest, RemovingReturnsTheResourceToAvailableAndKeepsItInTheModel)
{
    Resource* car = AddResource("Car");
    Resource* bathroom = AddResource("Bathroom");
    task.GetRequiredResources().Add(car);
    task.GetRequiredResources().Add(bathroom);
    TaskDialog dialog(task, resources);
    dialog.GetRequiredList()->SelectEntity(car);
    dialog.GetRemoveButton()->click();

    ASSERT_EQ(task.GetRequiredResources().GetCount(), 1);
    EXPECT_EQ(task.GetRequiredResources().Get(0), bathroom);
    EXPECT_EQ(Texts(dialog.GetAvailableList()), QStringList({ "Car" }));
    EXPECT_EQ(resources.GetCount(), 2);
    EXPECT_STREQ(car->GetName(), "Car");
    EXPECT_TRUE(dialog.IsForced());
}

TEST_F(TaskDialogTest, RemoveWithoutASelectionAsksForAResource)
{
    task.GetRequiredResources().Add(AddResource("Car"));
    TaskDialog dialog(task, resources);
    dialog.GetRemoveButton()->click();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Please select a resource first.");
    EXPECT_EQ(task.GetRequiredResources().GetCount(), 1);
    EXPECT_FALSE(dialog.IsForced());
}

TEST_F(TaskDialogTest, DoubleClicksAddAndRemove)
{
    Resource* car = AddResource("Car");
    TaskDialog dialog(task, resources);
    dialog.show();
    EntityList* available = dialog.GetAvailableList();
    DoubleClickRow(available, available->topLevelItem(0));
    ASSERT_EQ(task.GetRequiredResources().GetCount(), 1);
    EXPECT_EQ(task.GetRequiredResources().Get(0), car);

    EntityList* required = dialog.GetRequiredList();
    DoubleClickRow(required, required->topLevelItem(0));
    EXPECT_EQ(task.GetRequiredResources().GetCount(), 0);
}

TEST_F(TaskDialogTest, OkStoresNameAndDurationReadAsLeadingDigits)
{
    TaskDialog dialog(task, resources);
    dialog.GetNameEdit()->setText("Shower");
    dialog.GetDurationEdit()->setText("45min");
    dialog.GetOkButton()->click();
    EXPECT_STREQ(task.GetName(), "Shower");
    EXPECT_EQ(task.GetDuration(), 45);

    TaskDialog again(task, resources);
    again.GetDurationEdit()->setText("abc");
    again.GetOkButton()->click();
    EXPECT_EQ(task.GetDuration(), 0);
}

TEST_F(TaskDialogTest, CloseAfterAListChangeStoresNameAndDuration)
{
    Resource* car = AddResource("Car");
    TaskDialog dialog(task, resources);
    dialog.GetNameEdit()->setText("Drive");
    dialog.GetDurationEdit()->setText("-20");
    dialog.GetAvailableList()->SelectEntity(car);
    dialog.GetAddButton()->click();
    dialog.GetOkButton()->click();
    EXPECT_STREQ(task.GetName(), "Drive");
    EXPECT_EQ(task.GetDuration(), -20);
}

TEST_F(TaskDialogTest, CancelLeavesNameAndDuration)
{
    task.SetName("Breakfast");
    task.SetDuration(20);
    TaskDialog dialog(task, resources);
    dialog.GetNameEdit()->setText("Lunch");
    dialog.GetDurationEdit()->setText("60");
    dialog.GetCancelButton()->click();
    EXPECT_STREQ(task.GetName(), "Breakfast");
    EXPECT_EQ(task.GetDuration(), 20);
}

} // namespace
