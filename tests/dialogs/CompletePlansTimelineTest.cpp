#include "dialogs/CompletePlansDialog.h"

#include "SmallHousehold.h"
#include "app/triext/ModalRunner.h"
#include "dialogs/PlanTimeline.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "toolbox/NewOwned.h"

#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// The timeline and the row tooltips of "Possible plans". Plans 1 and 3 are
// one schedule; plan 2 is another of the same total delay.
class CompletePlansTimelineTest : public ::testing::Test {
protected:
    CompletePlansTimelineTest()
    {
        for (int shift : { 0, 10, 0 })
            toolbox::AddOwned(plans, house.Plan(420 - shift, 440, 440 + shift));
        dialog = std::make_unique<CompletePlansDialog>(plans);
    }

    QTreeWidgetItem* PlanNode(int plan) const { return dialog->GetPlanTree()->topLevelItem(plan); }

    SmallHousehold house;
    toolbox::ArrayList<CompletePlan> plans;
    std::unique_ptr<CompletePlansDialog> dialog;
};

TEST_F(CompletePlansTimelineTest, TheTimelineShowsTheFirstPlanThenTheSelectedRowsWithItsPersonMarked)
{
    EXPECT_EQ(dialog->GetTimeline()->GetPlan(), plans.Get(0));
    dialog->GetPlanTree()->setCurrentItem(PlanNode(1));
    EXPECT_EQ(dialog->GetTimeline()->GetPlan(), plans.Get(1));
    EXPECT_EQ(dialog->GetTimeline()->GetHighlighted(), nullptr);
    dialog->GetPlanTree()->setCurrentItem(PlanNode(2)->child(1));
    EXPECT_EQ(dialog->GetShownPlan(), plans.Get(2));
    EXPECT_EQ(dialog->GetTimeline()->GetHighlighted(), plans.Get(2)->GetPersonalPlans().Get(1));
}

TEST_F(CompletePlansTimelineTest, RowsKeepTheirLabelAndTellDelaysAndRepeatedSchedulesApart)
{
    EXPECT_EQ(PlanNode(0)->text(0), "Plan (105 minutes delay)");
    EXPECT_EQ(PlanNode(0)->toolTip(0), "Anna: 15 minutes delay\nBert: 90 minutes delay");
    EXPECT_EQ(PlanNode(1)->toolTip(0), "Anna: 25 minutes delay\nBert: 80 minutes delay");
    EXPECT_EQ(PlanNode(2)->toolTip(0), "Anna: 15 minutes delay\nBert: 90 minutes delay\n(same as plan 1)");
    EXPECT_EQ(PlanNode(0)->child(1)->toolTip(0), "Profile 'Day off', 90 minutes delay");
}

TEST_F(CompletePlansTimelineTest, OpensAsLargeAsTheTimelineWantsButWithinTheScreen)
{
    const QSize screen = dialog->screen()->availableGeometry().size();
    const QSize wanted = dialog->sizeHint();
    EXPECT_GT(wanted.width(), dialog->GetTimeline()->sizeHint().width());
    EXPECT_NEAR(dialog->width(), std::min(wanted.width(), screen.width() * 9 / 10), 1);
    EXPECT_NEAR(dialog->height(), std::min(wanted.height(), screen.height() * 9 / 10), 1);
}

TEST_F(CompletePlansTimelineTest, WithoutPlansPrintAndExportDoNothing)
{
    toolbox::ArrayList<CompletePlan> none;
    CompletePlansDialog empty(none);
    EXPECT_EQ(empty.GetTimeline()->GetPlan(), nullptr);
    ModalRunner::SetNextHandler([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    empty.GetPrintButton()->click();
    empty.GetExportButton()->click();
    EXPECT_TRUE(ModalRunner::HasPendingHandlers());
    ModalRunner::ClearHandlers();
}

} // namespace
