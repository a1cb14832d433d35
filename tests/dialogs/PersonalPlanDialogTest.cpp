#include "PlanTestModel.h"

#include "dialogs/PersonalPlanDialog.h"

#include "app/triext/ImageList.h"
#include "app/triext/ModalRunner.h"

#include <QHeaderView>
#include <QImage>
#include <QPrintDialog>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class PersonalPlanDialogTest : public ::testing::Test {
protected:
    PersonalPlanDialogTest()
    {
        anna = model.AddPerson("Anna");
        wash = PlanTestModel::AddTask(anna, "Wash", 30);
        cook = PlanTestModel::AddTask(anna, "Cook", 45);
        morning = PlanTestModel::AddProfile(anna, "Morning", 18 * 60, { wash, cook });
    }
    ~PersonalPlanDialogTest() override { ModalRunner::ClearHandlers(); }

    static QStringList RowsOf(const PersonalPlanDialog& dialog)
    {
        QStringList rows;
        QTreeWidget* list = dialog.GetTimetable();
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows.append(list->topLevelItem(i)->text(0));
        return rows;
    }

    static QImage PictureOf(const QIcon& icon) { return icon.pixmap(ImageList::IconSize).toImage(); }

    PlanTestModel model;
    Person* anna;
    Task* wash;
    Task* cook;
    Profile* morning;
};

TEST_F(PersonalPlanDialogTest, CaptionNamesThePerson)
{
    auto plan = PlanTestModel::MakePlan(morning, {});
    PersonalPlanDialog dialog(*plan);
    EXPECT_EQ(dialog.windowTitle(), "Personal plan for Anna");
}

TEST_F(PersonalPlanDialogTest, TasksBackToBackShowNoPause)
{
    auto plan = PlanTestModel::MakePlan(morning, { { wash, 8 * 60 }, { cook, 8 * 60 + 30 } });
    PersonalPlanDialog dialog(*plan);
    EXPECT_EQ(RowsOf(dialog), QStringList({ "08:00 Wash", "08:30 Cook" }));
}

TEST_F(PersonalPlanDialogTest, GapBeforeATaskShowsAPauseAtTheEndOfThePreviousTask)
{
    auto plan = PlanTestModel::MakePlan(morning, { { wash, 8 * 60 }, { cook, 9 * 60 } });
    PersonalPlanDialog dialog(*plan);
    EXPECT_EQ(RowsOf(dialog), QStringList({ "08:00 Wash", "08:30 Pause", "09:00 Cook" }));
}

TEST_F(PersonalPlanDialogTest, PauseRowsCarryThePauseIconAndTaskRowsTheTaskIcon)
{
    auto plan = PlanTestModel::MakePlan(morning, { { wash, 8 * 60 }, { cook, 9 * 60 } });
    PersonalPlanDialog dialog(*plan);
    QTreeWidget* list = dialog.GetTimetable();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    const QImage pause = PictureOf(ImageList::GetIcon(ImageList::Pause));
    const QImage task = PictureOf(ImageList::GetIcon(ImageList::Task));
    ASSERT_NE(pause, task);
    EXPECT_EQ(PictureOf(list->topLevelItem(0)->icon(0)), task);
    EXPECT_EQ(PictureOf(list->topLevelItem(1)->icon(0)), pause);
    EXPECT_EQ(PictureOf(list->topLevelItem(2)->icon(0)), task);
}

TEST_F(PersonalPlanDialogTest, TimesPastMidnightAreNotWrapped)
{
    auto plan = PlanTestModel::MakePlan(morning, { { wash, 1500 } });
    PersonalPlanDialog dialog(*plan);
    EXPECT_EQ(RowsOf(dialog), QStringList({ "25:00 Wash" }));
}

TEST_F(PersonalPlanDialogTest, NegativeTimesComeFirstWithTheirSignShownOnce)
{
    Task* early = PlanTestModel::AddTask(anna, "Early", 30);
    auto plan = PlanTestModel::MakePlan(morning, { { wash, -90 }, { early, -30 }, { cook, 5 } });
    PersonalPlanDialog dialog(*plan);
    EXPECT_EQ(
        RowsOf(dialog), QStringList({ "-01:30 Wash", "-01:00 Pause", "-00:30 Early", "00:00 Pause", "00:05 Cook" }));
}

TEST_F(PersonalPlanDialogTest, TasksStartingInTheSameMinuteAreOrderedByName)
{
    Task* instant = PlanTestModel::AddTask(anna, "Alarm", 0);
    auto plan = PlanTestModel::MakePlan(morning, { { wash, 7 * 60 }, { instant, 7 * 60 } });
    PersonalPlanDialog dialog(*plan);
    EXPECT_EQ(RowsOf(dialog), QStringList({ "07:00 Alarm", "07:00 Wash" }));
}

TEST_F(PersonalPlanDialogTest, ProfileWithoutTasksGivesAnEmptyList)
{
    Profile* idle = PlanTestModel::AddProfile(anna, "Idle", 12 * 60);
    auto plan = PlanTestModel::MakePlan(idle, {});
    PersonalPlanDialog dialog(*plan);
    EXPECT_EQ(dialog.GetTimetable()->topLevelItemCount(), 0);
}

TEST_F(PersonalPlanDialogTest, ListHasOneHiddenColumnTitledTask)
{
    auto plan = PlanTestModel::MakePlan(morning, {});
    PersonalPlanDialog dialog(*plan);
    QTreeWidget* list = dialog.GetTimetable();
    EXPECT_EQ(list->columnCount(), 1);
    EXPECT_EQ(list->headerItem()->text(0), "Task");
    EXPECT_TRUE(list->isHeaderHidden());
}

TEST_F(PersonalPlanDialogTest, PrintOpensThePrintDialog)
{
    auto plan = PlanTestModel::MakePlan(morning, { { wash, 8 * 60 } });
    PersonalPlanDialog dialog(*plan);
    bool printDialogShown = false;
    ModalRunner::SetNextHandler([&](QDialog& shown) {
        printDialogShown = dynamic_cast<QPrintDialog*>(&shown) != nullptr;
        return static_cast<int>(QDialog::Rejected);
    });
    dialog.GetPrintButton()->click();
    EXPECT_TRUE(printDialogShown);
}

TEST_F(PersonalPlanDialogTest, CloseEndsTheDialog)
{
    auto plan = PlanTestModel::MakePlan(morning, {});
    PersonalPlanDialog dialog(*plan);
    EXPECT_EQ(dialog.GetOkButton()->text(), "Close");
    dialog.GetOkButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
