#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Task.h"

#include "dialogs/DialogPropertyEditor.h"

#include "JourneySteps.h"
#include "MessageBoxRecorder.h"
#include "ModalJourney.h"
#include "ModelBuilder.h"
#include "dialogs/PrecedenceDialog.h"
#include "dialogs/ProfileDialog.h"

#include <QCheckBox>

#include "RowDoubleClick.h"
#include <gtest/gtest.h>

// The precedence lists of a profile, driven from inside the real modal runs
// of the profile dialog and of the timing dialog it opens. (The task dialog
// and the executed tasks are driven through the program's own commands in
// the journeys of the main window.)
TEST(PropertyDialogJourney, PrecedentTasksAndTheirTimingAreSetInOneRunOfTheProfileDialog)
{
    PlanningModel model;
    ModelBuilder build(model);
    Person* anna = build.AddPerson("Anna");
    Task* shower = build.AddTask(anna, "Shower", 15);
    Task* breakfast = build.AddTask(anna, "Breakfast", 20);
    Task* drive = build.AddTask(anna, "Drive", 25);
    Profile* workday = build.AddProfile(anna, "Workday", 8 * 60, { shower, breakfast, drive });
    MessageBoxRecorder boxes;

    ModalJourney journey;
    journey
        .Then<ProfileDialog>([](ProfileDialog& dialog) {
            ClickRow(dialog.GetExecutedTasksList(), "Breakfast");
            ClickRow(dialog.GetCandidatePrecedentsList(), "Shower");
            QTest::mouseClick(dialog.GetAddPrecedentButton(), Qt::LeftButton);
        })
        .Then<ProfileDialog>([](ProfileDialog& dialog) {
            ExpectOpenAndForced(dialog);
            ClickRow(dialog.GetPrecedentTasksList(), "Shower");
            QTest::mouseClick(dialog.GetEditTimingButton(), Qt::LeftButton);
        })
        .Then<PrecedenceDialog>([](PrecedenceDialog& timing) {
            QTest::mouseClick(timing.GetAtLeastCheck(), Qt::LeftButton);
            TypeIntoFocus("5");
            QTest::mouseClick(timing.GetAtLastCheck(), Qt::LeftButton);
            TypeIntoFocus("30");
            QTest::mouseClick(timing.GetOkButton(), Qt::LeftButton);
        })
        .Then<ProfileDialog>([](ProfileDialog& dialog) {
            ExpectOpenAndForced(dialog);
            ClickRow(dialog.GetExecutedTasksList(), "Drive");
            DoubleClickRow(
                dialog.GetCandidatePrecedentsList(), RowOf(dialog.GetCandidatePrecedentsList(), "Breakfast"));
        })
        .Then<ProfileDialog>([](ProfileDialog& dialog) {
            ExpectOpenAndForced(dialog);
            QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
        });

    EXPECT_EQ(DialogPropertyEditor(model).EditProfile(*workday), EditOutcome::Ok);
    EXPECT_TRUE(journey.IsComplete()) << journey.GetProblem().toStdString();
    const PrecedentTask* showerFirst = workday->GetPrecedenceRelations().Get(1)->FindPrecedent(shower);
    ASSERT_NE(showerFirst, nullptr);
    EXPECT_EQ(showerFirst->GetMinimumTime(), 5);
    EXPECT_EQ(showerFirst->GetMaximumTime(), 30);
    EXPECT_NE(workday->GetPrecedenceRelations().Get(2)->FindPrecedent(breakfast), nullptr);
    EXPECT_TRUE(boxes.boxes.empty());
}
