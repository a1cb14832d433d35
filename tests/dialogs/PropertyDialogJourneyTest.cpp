#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"

#include "dialogs/DialogPropertyEditor.h"

#include "MessageBoxRecorder.h"
#include "ModalJourney.h"
#include "ModelBuilder.h"
#include "dialogs/EntityList.h"
#include "dialogs/PrecedenceDialog.h"
#include "dialogs/ProfileDialog.h"
#include "dialogs/TaskDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "RowDoubleClick.h"
#include <gtest/gtest.h>

#include <memory>

// Journeys through the real modal runs of the property dialogs, opened the
// way the commands open them: every step acts from inside the dialog's own
// event loop, and a list change must leave the dialog open and forced.
namespace {

void ClickRow(EntityList* list, const TreeItem* entity, Qt::KeyboardModifiers modifiers = {})
{
    const int row = list->FindRow(entity);
    ASSERT_GE(row, 0);
    QTreeWidgetItem* item = list->topLevelItem(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(item).center());
}

// What a person types goes to the field that has the focus.
void Type(const QString& text)
{
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClicks(focused, text);
}

void ExpectOpenAndForced(const mfctriext::ForcableDialog& dialog)
{
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
    EXPECT_TRUE(dialog.IsForced());
    EXPECT_EQ(dialog.GetOkButton()->text(), "Close");
    EXPECT_FALSE(dialog.GetCancelButton()->isEnabled());
}

class PropertyDialogJourneyTest : public ::testing::Test {
protected:
    PropertyDialogJourneyTest()
        : build(model)
        , editor(model)
    {
        bathroom = build.AddResource("Bathroom");
        car = build.AddResource("Car");
        build.AddResource("Kitchen");
        anna = build.AddPerson("Anna");
        shower = build.AddTask(anna, "Shower", 15, { bathroom });
        breakfast = build.AddTask(anna, "Breakfast", 20);
        drive = build.AddTask(anna, "Drive", 25, { car });
    }

    PlanningModel model;
    ModelBuilder build;
    DialogPropertyEditor editor;
    MessageBoxRecorder boxes;
    Resource* bathroom;
    Resource* car;
    Person* anna;
    Task* shower;
    Task* breakfast;
    Task* drive;
};

} // namespace

TEST_F(PropertyDialogJourneyTest, ANewTaskGetsItsNameDurationAndTwoResourcesInOneRun)
{
    Task task(anna);
    ModalJourney journey;
    journey
        .Then<TaskDialog>([this](TaskDialog& dialog) {
            Type("Wash car");
            dialog.GetDurationEdit()->selectAll();
            QTest::keyClicks(dialog.GetDurationEdit(), "45");
            ClickRow(dialog.GetAvailableList(), car);
            QTest::mouseClick(dialog.GetAddButton(), Qt::LeftButton);
        })
        .Then<TaskDialog>([this](TaskDialog& dialog) {
            ExpectOpenAndForced(dialog);
            DoubleClickRow(dialog.GetAvailableList(),
                dialog.GetAvailableList()->topLevelItem(dialog.GetAvailableList()->FindRow(bathroom)));
        })
        .Then<TaskDialog>([](TaskDialog& dialog) {
            ExpectOpenAndForced(dialog);
            EXPECT_EQ(dialog.GetRequiredList()->GetRowCount(), 2);
            QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
        });

    EXPECT_EQ(editor.EditTask(task), EditOutcome::Ok);
    EXPECT_TRUE(journey.IsComplete()) << journey.GetProblem().toStdString();
    EXPECT_STREQ(task.GetName(), "Wash car");
    EXPECT_EQ(task.GetDuration(), 45);
    ASSERT_EQ(task.GetRequiredResources().GetCount(), 2);
    EXPECT_EQ(task.GetRequiredResources().Get(0), car);
    EXPECT_EQ(task.GetRequiredResources().Get(1), bathroom);
    task.GetRequiredResources().RemoveAll();
}

TEST_F(PropertyDialogJourneyTest, ANewProfileGetsItsNameEndTimeAndExecutedTasksInOneRun)
{
    Profile profile(anna);
    ModalJourney journey;
    journey
        .Then<ProfileDialog>([this](ProfileDialog& dialog) {
            Type("Workday");
            dialog.GetHoursEdit()->selectAll();
            QTest::keyClicks(dialog.GetHoursEdit(), "7");
            dialog.GetMinutesEdit()->selectAll();
            QTest::keyClicks(dialog.GetMinutesEdit(), "45");
            ClickRow(dialog.GetAvailableTasksList(), shower);
            ClickRow(dialog.GetAvailableTasksList(), drive, Qt::ControlModifier);
            QTest::mouseClick(dialog.GetAddExecutedButton(), Qt::LeftButton);
        })
        .Then<ProfileDialog>([this](ProfileDialog& dialog) {
            ExpectOpenAndForced(dialog);
            DoubleClickRow(dialog.GetAvailableTasksList(),
                dialog.GetAvailableTasksList()->topLevelItem(dialog.GetAvailableTasksList()->FindRow(breakfast)));
        })
        .Then<ProfileDialog>([](ProfileDialog& dialog) {
            ExpectOpenAndForced(dialog);
            EXPECT_EQ(dialog.GetExecutedTasksList()->GetRowCount(), 3);
            QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
        });

    EXPECT_EQ(editor.EditProfile(profile), EditOutcome::Ok);
    EXPECT_TRUE(journey.IsComplete()) << journey.GetProblem().toStdString();
    EXPECT_STREQ(profile.GetName(), "Workday");
    EXPECT_EQ(profile.GetEndTime(), 7 * 60 + 45);
    ASSERT_EQ(profile.GetPrecedenceRelations().GetCount(), 3);
    // Several rows are added from the top row down.
    EXPECT_EQ(profile.GetPrecedenceRelations().Get(0)->GetTask(), drive);
    EXPECT_EQ(profile.GetPrecedenceRelations().Get(1)->GetTask(), shower);
    EXPECT_EQ(profile.GetPrecedenceRelations().Get(2)->GetTask(), breakfast);
}

TEST_F(PropertyDialogJourneyTest, PrecedentTasksAndTheirTimingAreSetInOneRunOfTheProfileDialog)
{
    Profile* workday = build.AddProfile(anna, "Workday", 8 * 60, { shower, breakfast, drive });
    ModalJourney journey;
    journey
        .Then<ProfileDialog>([this](ProfileDialog& dialog) {
            ClickRow(dialog.GetExecutedTasksList(), breakfast);
            ClickRow(dialog.GetCandidatePrecedentsList(), shower);
            QTest::mouseClick(dialog.GetAddPrecedentButton(), Qt::LeftButton);
        })
        .Then<ProfileDialog>([this](ProfileDialog& dialog) {
            ExpectOpenAndForced(dialog);
            ClickRow(dialog.GetPrecedentTasksList(), shower);
            QTest::mouseClick(dialog.GetEditTimingButton(), Qt::LeftButton);
        })
        .Then<PrecedenceDialog>([](PrecedenceDialog& timing) {
            QTest::mouseClick(timing.GetAtLeastCheck(), Qt::LeftButton);
            Type("5");
            QTest::mouseClick(timing.GetAtLastCheck(), Qt::LeftButton);
            Type("30");
            QTest::mouseClick(timing.GetOkButton(), Qt::LeftButton);
        })
        .Then<ProfileDialog>([this](ProfileDialog& dialog) {
            ExpectOpenAndForced(dialog);
            ClickRow(dialog.GetExecutedTasksList(), drive);
            DoubleClickRow(dialog.GetCandidatePrecedentsList(),
                dialog.GetCandidatePrecedentsList()->topLevelItem(
                    dialog.GetCandidatePrecedentsList()->FindRow(breakfast)));
        })
        .Then<ProfileDialog>([](ProfileDialog& dialog) {
            ExpectOpenAndForced(dialog);
            QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
        });

    EXPECT_EQ(editor.EditProfile(*workday), EditOutcome::Ok);
    EXPECT_TRUE(journey.IsComplete()) << journey.GetProblem().toStdString();
    const PrecedentTask* showerFirst = workday->GetPrecedenceRelations().Get(1)->FindPrecedent(shower);
    ASSERT_NE(showerFirst, nullptr);
    EXPECT_EQ(showerFirst->GetMinimumTime(), 5);
    EXPECT_EQ(showerFirst->GetMaximumTime(), 30);
    EXPECT_NE(workday->GetPrecedenceRelations().Get(2)->FindPrecedent(breakfast), nullptr);
    EXPECT_TRUE(boxes.boxes.empty());
}
