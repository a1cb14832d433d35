#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Task.h"

#include "dialogs/ProfileDialog.h"

#include "MessageBoxRecorder.h"
#include "app/triext/ModalRunner.h"
#include "dialogs/EntityList.h"
#include "dialogs/PrecedenceDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "RowDoubleClick.h"
#include <gtest/gtest.h>

#include <limits>

namespace {

class ProfileDialogTest : public ::testing::Test {
protected:
    ProfileDialogTest()
        : profile(&person)
    {
        shower = AddTask("Shower");
        breakfast = AddTask("Breakfast");
        dress = AddTask("Dress");
        drive = AddTask("Drive");
    }
    ~ProfileDialogTest() override { ModalRunner::ClearHandlers(); }

    Task* AddTask(const char* name)
    {
        auto* task = new Task(&person);
        task->SetName(name);
        person.GetTasks().Add(task);
        return task;
    }

    PrecedenceRelation* Execute(Task* task)
    {
        auto* relation = new PrecedenceRelation;
        relation->SetTask(task);
        profile.GetPrecedenceRelations().Add(relation);
        return relation;
    }

    static PrecedentTask* AddPrecedent(PrecedenceRelation* relation, Task* earlier)
    {
        auto* entry = new PrecedentTask(earlier);
        relation->GetPrecedents().Add(entry);
        return entry;
    }

    QList<const Task*> ExecutedTasks() const
    {
        QList<const Task*> tasks;
        for (const PrecedenceRelation* relation : profile.GetPrecedenceRelations())
            tasks.append(relation->GetTask());
        return tasks;
    }

    static QList<const Task*> PrecedentsOf(const PrecedenceRelation* relation)
    {
        QList<const Task*> tasks;
        for (const PrecedentTask* entry : relation->GetPrecedents())
            tasks.append(entry->GetTask());
        return tasks;
    }

    static QStringList Texts(const EntityList* list)
    {
        QStringList texts;
        for (int row = 0; row < list->GetRowCount(); ++row)
            texts.append(list->GetTextAt(row));
        return texts;
    }

    static bool LowerPartEnabled(const ProfileDialog& dialog)
    {
        return dialog.GetCandidatePrecedentsList()->isEnabled() && dialog.GetPrecedentTasksList()->isEnabled()
            && dialog.GetAddPrecedentButton()->isEnabled() && dialog.GetRemovePrecedentButton()->isEnabled();
    }

    static bool LowerPartDisabled(const ProfileDialog& dialog)
    {
        return !dialog.GetCandidatePrecedentsList()->isEnabled() && !dialog.GetPrecedentTasksList()->isEnabled()
            && !dialog.GetAddPrecedentButton()->isEnabled() && !dialog.GetRemovePrecedentButton()->isEnabled();
    }

    Person person;
    Profile profile;
    Task* shower;
    Task* breakfast;
    Task* dress;
    Task* drive;
    MessageBoxRecorder boxes;
};

TEST_F(ProfileDialogTest, ANewProfileShowsItsNameMidnightAndEveryTaskAvailable)
{
    ProfileDialog dialog(profile);
    EXPECT_EQ(dialog.windowTitle(), "Profile properties");
    EXPECT_EQ(dialog.GetNameEdit()->text(), "Profile");
    EXPECT_EQ(dialog.GetHoursEdit()->text(), "00");
    EXPECT_EQ(dialog.GetMinutesEdit()->text(), "00");
    EXPECT_EQ(Texts(dialog.GetAvailableTasksList()), QStringList({ "Breakfast", "Dress", "Drive", "Shower" }));
    EXPECT_EQ(dialog.GetExecutedTasksList()->GetRowCount(), 0);
}

TEST_F(ProfileDialogTest, ShowsTheEndTimeAsTwoDigitHoursAndMinutes)
{
    profile.SetEndTime(18 * 60 + 5);
    ProfileDialog dialog(profile);
    EXPECT_EQ(dialog.GetHoursEdit()->text(), "18");
    EXPECT_EQ(dialog.GetMinutesEdit()->text(), "05");
}

TEST_F(ProfileDialogTest, OkStoresHoursTimesSixtyPlusMinutes)
{
    ProfileDialog dialog(profile);
    dialog.GetHoursEdit()->setText("7");
    dialog.GetMinutesEdit()->setText("5");
    dialog.GetOkButton()->click();
    EXPECT_EQ(profile.GetEndTime(), 425);
    ProfileDialog again(profile);
    EXPECT_EQ(again.GetHoursEdit()->text(), "07");
    EXPECT_EQ(again.GetMinutesEdit()->text(), "05");
}

TEST_F(ProfileDialogTest, TakesHoursAndMinutesWithoutRangeChecks)
{
    ProfileDialog dialog(profile);
    dialog.GetHoursEdit()->setText("8");
    dialog.GetMinutesEdit()->setText("75");
    dialog.GetOkButton()->click();
    EXPECT_EQ(profile.GetEndTime(), 9 * 60 + 15);
}

TEST_F(ProfileDialogTest, AnEndTimeBeyondThe32BitMinutesIsClamped)
{
    ProfileDialog dialog(profile);
    dialog.GetHoursEdit()->setText("99999999");
    dialog.GetMinutesEdit()->setText("0");
    dialog.GetOkButton()->click();
    EXPECT_EQ(profile.GetEndTime(), std::numeric_limits<std::int32_t>::max());

    ProfileDialog again(profile);
    again.GetHoursEdit()->setText("-99999999");
    again.GetMinutesEdit()->setText("x");
    again.GetOkButton()->click();
    EXPECT_EQ(profile.GetEndTime(), std::numeric_limits<std::int32_t>::min());
}

TEST_F(ProfileDialogTest, CancelLeavesNameAndEndTime)
{
    profile.SetName("Morning");
    profile.SetEndTime(480);
    ProfileDialog dialog(profile);
    dialog.GetNameEdit()->setText("Evening");
    dialog.GetHoursEdit()->setText("20");
    dialog.GetCancelButton()->click();
    EXPECT_STREQ(profile.GetName(), "Morning");
    EXPECT_EQ(profile.GetEndTime(), 480);
}

TEST_F(ProfileDialogTest, SplitsThePersonsTasksIntoAvailableAndExecuted)
{
    Execute(drive);
    Execute(shower);
    ProfileDialog dialog(profile);
    EXPECT_EQ(Texts(dialog.GetAvailableTasksList()), QStringList({ "Breakfast", "Dress" }));
    EXPECT_EQ(Texts(dialog.GetExecutedTasksList()), QStringList({ "Drive", "Shower" }));
    EXPECT_EQ(dialog.GetExecutedTasksList()->GetEntityAt(0), drive);
}

TEST_F(ProfileDialogTest, WithoutASelectedExecutedTaskTheLowerPartIsDisabledAndEmpty)
{
    AddPrecedent(Execute(breakfast), Execute(shower)->GetTask());
    ProfileDialog dialog(profile);
    EXPECT_TRUE(LowerPartDisabled(dialog));
    EXPECT_EQ(dialog.GetCandidatePrecedentsList()->GetRowCount(), 0);
    EXPECT_EQ(dialog.GetPrecedentTasksList()->GetRowCount(), 0);
    EXPECT_TRUE(dialog.GetEditTimingButton()->isEnabled());
}

TEST_F(ProfileDialogTest, SelectingAnExecutedTaskOffersTheOtherExecutedTasksOnly)
{
    PrecedenceRelation* breakfastRelation = Execute(breakfast);
    Execute(shower);
    Execute(drive);
    AddPrecedent(breakfastRelation, shower);
    ProfileDialog dialog(profile);
    dialog.GetExecutedTasksList()->SelectEntity(breakfast);

    EXPECT_TRUE(LowerPartEnabled(dialog));
    EXPECT_EQ(Texts(dialog.GetCandidatePrecedentsList()), QStringList({ "Drive" }));
    EXPECT_EQ(Texts(dialog.GetPrecedentTasksList()), QStringList({ "Shower" }));

    dialog.GetExecutedTasksList()->clearSelection();
    EXPECT_TRUE(LowerPartDisabled(dialog));
    EXPECT_EQ(dialog.GetPrecedentTasksList()->GetRowCount(), 0);
}

TEST_F(ProfileDialogTest, TheTopmostSelectedExecutedTaskDecidesTheLowerLists)
{
    PrecedenceRelation* breakfastRelation = Execute(breakfast);
    Execute(shower);
    AddPrecedent(breakfastRelation, shower);
    ProfileDialog dialog(profile);
    dialog.GetExecutedTasksList()->SelectEntity(shower);
    dialog.GetExecutedTasksList()->SelectEntity(breakfast);
    EXPECT_EQ(Texts(dialog.GetPrecedentTasksList()), QStringList({ "Shower" }));
}

TEST_F(ProfileDialogTest, AddingTwoAvailableTasksExecutesBothAndForces)
{
    ProfileDialog dialog(profile);
    dialog.GetAvailableTasksList()->SelectEntity(shower);
    dialog.GetAvailableTasksList()->SelectEntity(breakfast);
    dialog.GetAddExecutedButton()->click();

    EXPECT_EQ(ExecutedTasks(), QList<const Task*>({ breakfast, shower }));
    for (const PrecedenceRelation* relation : profile.GetPrecedenceRelations())
        EXPECT_EQ(relation->GetPrecedents().GetCount(), 0);
    EXPECT_EQ(Texts(dialog.GetExecutedTasksList()), QStringList({ "Breakfast", "Shower" }));
    EXPECT_EQ(Texts(dialog.GetAvailableTasksList()), QStringList({ "Dress", "Drive" }));
    EXPECT_TRUE(dialog.IsForced());
    EXPECT_EQ(dialog.GetOkButton()->text(), "Close");
    EXPECT_FALSE(dialog.GetCancelButton()->isEnabled());
}

TEST_F(ProfileDialogTest, AfterAddingExecutedTasksNothingIsSelectedAndTheLowerPartIsDisabled)
{
    Execute(shower);
    ProfileDialog dialog(profile);
    dialog.GetExecutedTasksList()->SelectEntity(shower);
    ASSERT_TRUE(LowerPartEnabled(dialog));
    dialog.GetAvailableTasksList()->SelectEntity(dress);
    dialog.GetAddExecutedButton()->click();
    EXPECT_FALSE(dialog.GetExecutedTasksList()->HasSelection());
    EXPECT_TRUE(LowerPartDisabled(dialog));
}

TEST_F(ProfileDialogTest, AddOrRemoveWithoutASelectionAsksForATask)
{
    Execute(shower);
    ProfileDialog dialog(profile);
    dialog.GetAddExecutedButton()->click();
    dialog.GetRemoveExecutedButton()->click();
    ASSERT_EQ(boxes.boxes.size(), 2u);
    for (const MessageBoxRecorder::Box& box : boxes.boxes) {
        EXPECT_EQ(box.text, "Please select a task first.");
        EXPECT_EQ(box.icon, MessageBox::Icon::Stop);
        EXPECT_EQ(box.buttons, MessageBox::Buttons::Ok);
        EXPECT_EQ(box.owner, &dialog);
    }
    EXPECT_EQ(ExecutedTasks(), QList<const Task*>({ shower }));
    EXPECT_FALSE(dialog.IsForced());
}

TEST_F(ProfileDialogTest, RemovingAnExecutedTaskAlsoRemovesItAsAPrecedentOfOthers)
{
    PrecedenceRelation* breakfastRelation = Execute(breakfast);
    Execute(shower);
    PrecedenceRelation* driveRelation = Execute(drive);
    AddPrecedent(breakfastRelation, shower);
    AddPrecedent(driveRelation, breakfast);
    AddPrecedent(driveRelation, shower);
    AddPrecedent(driveRelation, shower);
    ProfileDialog dialog(profile);
    dialog.GetExecutedTasksList()->SelectEntity(shower);
    dialog.GetRemoveExecutedButton()->click();

    EXPECT_EQ(ExecutedTasks(), QList<const Task*>({ breakfast, drive }));
    EXPECT_TRUE(PrecedentsOf(breakfastRelation).isEmpty());
    EXPECT_EQ(PrecedentsOf(driveRelation), QList<const Task*>({ breakfast }));
    EXPECT_EQ(Texts(dialog.GetAvailableTasksList()), QStringList({ "Dress", "Shower" }));
    EXPECT_TRUE(dialog.IsForced());
    EXPECT_EQ(person.GetTasks().GetCount(), 4);
}

TEST_F(ProfileDialogTest, RemovingTwoExecutedTasksAtOnce)
{
    Execute(shower);
    Execute(breakfast);
    Execute(drive);
    ProfileDialog dialog(profile);
    dialog.GetExecutedTasksList()->SelectEntity(shower);
    dialog.GetExecutedTasksList()->SelectEntity(drive);
    dialog.GetRemoveExecutedButton()->click();
    EXPECT_EQ(ExecutedTasks(), QList<const Task*>({ breakfast }));
}

TEST_F(ProfileDialogTest, AddingPrecedentsGivesUnboundedEntriesAndForces)
{
    PrecedenceRelation* driveRelation = Execute(drive);
    Execute(shower);
    Execute(breakfast);
    ProfileDialog dialog(profile);
    dialog.GetExecutedTasksList()->SelectEntity(drive);
    dialog.GetCandidatePrecedentsList()->SelectEntity(shower);
    dialog.GetCandidatePrecedentsList()->SelectEntity(breakfast);
    dialog.GetAddPrecedentButton()->click();

    EXPECT_EQ(PrecedentsOf(driveRelation), QList<const Task*>({ breakfast, shower }));
    for (const PrecedentTask* entry : driveRelation->GetPrecedents()) {
        EXPECT_EQ(entry->GetMinimumTime(), 0);
        EXPECT_EQ(entry->GetMaximumTime(), 32767);
    }
    EXPECT_EQ(Texts(dialog.GetPrecedentTasksList()), QStringList({ "Breakfast", "Shower" }));
    EXPECT_EQ(dialog.GetCandidatePrecedentsList()->GetRowCount(), 0);
    EXPECT_TRUE(dialog.GetExecutedTasksList()->HasSelection());
    EXPECT_TRUE(dialog.IsForced());
}

TEST_F(ProfileDialogTest, RemovingAPrecedentDeletesEveryEntryNamingIt)
{
    PrecedenceRelation* driveRelation = Execute(drive);
    Execute(shower);
    Execute(breakfast);
    AddPrecedent(driveRelation, shower);
    AddPrecedent(driveRelation, breakfast);
    AddPrecedent(driveRelation, shower);
    ProfileDialog dialog(profile);
    dialog.GetExecutedTasksList()->SelectEntity(drive);
    dialog.GetPrecedentTasksList()->SelectEntity(shower);
    dialog.GetRemovePrecedentButton()->click();

    EXPECT_EQ(PrecedentsOf(driveRelation), QList<const Task*>({ breakfast }));
    EXPECT_EQ(Texts(dialog.GetCandidatePrecedentsList()), QStringList({ "Shower" }));
    EXPECT_EQ(ExecutedTasks().size(), 3);
    EXPECT_TRUE(dialog.IsForced());
}

TEST_F(ProfileDialogTest, PrecedentButtonsWithoutAnExecutedTaskDoNothingSilently)
{
    Execute(drive);
    ProfileDialog dialog(profile);
    dialog.OnAddPrecedent();
    dialog.OnRemovePrecedent();
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_FALSE(dialog.IsForced());
}

TEST_F(ProfileDialogTest, PrecedentButtonsWithoutAPrecedentSelectedAskForATask)
{
    Execute(drive);
    Execute(shower);
    ProfileDialog dialog(profile);
    dialog.GetExecutedTasksList()->SelectEntity(drive);
    dialog.GetAddPrecedentButton()->click();
    dialog.GetRemovePrecedentButton()->click();
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, "Please select a task first.");
    EXPECT_EQ(boxes.boxes[1].text, "Please select a task first.");
    EXPECT_FALSE(dialog.IsForced());
}

TEST_F(ProfileDialogTest, DoubleClicksMoveTasksBetweenTheLists)
{
    ProfileDialog dialog(profile);
    dialog.show();
    auto doubleClickRow = [](EntityList* list, const Task* task) {
        QTreeWidgetItem* row = list->topLevelItem(list->FindRow(task));
        ASSERT_NE(row, nullptr);
        DoubleClickRow(list, row);
    };
    doubleClickRow(dialog.GetAvailableTasksList(), shower);
    doubleClickRow(dialog.GetAvailableTasksList(), drive);
    EXPECT_EQ(ExecutedTasks(), QList<const Task*>({ shower, drive }));

    dialog.GetExecutedTasksList()->SelectEntity(drive);
    doubleClickRow(dialog.GetCandidatePrecedentsList(), shower);
    EXPECT_EQ(PrecedentsOf(profile.GetPrecedenceRelations().Get(1)), QList<const Task*>({ shower }));
    doubleClickRow(dialog.GetPrecedentTasksList(), shower);
    EXPECT_TRUE(PrecedentsOf(profile.GetPrecedenceRelations().Get(1)).isEmpty());

    doubleClickRow(dialog.GetExecutedTasksList(), shower);
    EXPECT_EQ(ExecutedTasks(), QList<const Task*>({ drive }));
}

TEST_F(ProfileDialogTest, EditTimingWithoutAPrecedentSelectedAsksForATask)
{
    Execute(drive);
    ProfileDialog dialog(profile);
    dialog.GetExecutedTasksList()->SelectEntity(drive);
    dialog.GetEditTimingButton()->click();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Please select a task first.");
    EXPECT_EQ(boxes.boxes[0].owner, &dialog);
}

TEST_F(ProfileDialogTest, EditTimingEditsTheSelectedEntryWithoutForcing)
{
    PrecedenceRelation* driveRelation = Execute(drive);
    Execute(shower);
    PrecedentTask* entry = AddPrecedent(driveRelation, shower);
    ProfileDialog dialog(profile);
    dialog.GetExecutedTasksList()->SelectEntity(drive);
    dialog.GetPrecedentTasksList()->SelectEntity(shower);

    QString laterText;
    ModalRunner::SetNextHandler([&](QDialog& opened) {
        auto& timing = dynamic_cast<PrecedenceDialog&>(opened);
        laterText = timing.GetLaterLabel()->text();
        timing.GetAtLeastCheck()->click();
        timing.GetAtLeastEdit()->setText("10");
        timing.GetOkButton()->click();
        return static_cast<int>(timing.result());
    });
    dialog.GetEditTimingButton()->click();

    EXPECT_FALSE(ModalRunner::HasPendingHandlers());
    EXPECT_EQ(laterText, "Later task: Drive");
    EXPECT_EQ(entry->GetMinimumTime(), 10);
    EXPECT_EQ(entry->GetMaximumTime(), 32767);
    EXPECT_FALSE(dialog.IsForced());
    EXPECT_TRUE(boxes.boxes.empty());

    dialog.GetCancelButton()->click();
    EXPECT_EQ(entry->GetMinimumTime(), 10);
}

TEST_F(ProfileDialogTest, ListsOnlyTheTasksOfItsOwnPerson)
{
    Person other;
    auto* foreign = new Task(&other);
    other.GetTasks().Add(foreign);
    ProfileDialog dialog(profile);
    EXPECT_EQ(dialog.GetAvailableTasksList()->FindRow(foreign), -1);
    EXPECT_EQ(dialog.GetAvailableTasksList()->GetRowCount(), 4);
}

} // namespace
