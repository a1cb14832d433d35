#include "PlanTestModel.h"

#include "dialogs/CompletePlansDialog.h"

#include "app/triext/MessageBox.h"
#include "app/triext/ModalRunner.h"
#include "dialogs/PersonalPlanDialog.h"

#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class CompletePlansDialogTest : public ::testing::Test {
protected:
    CompletePlansDialogTest()
    {
        anna = model.AddPerson("Anna");
        bert = model.AddPerson("Bert");
        annaDay = PlanTestModel::AddProfile(anna, "Day", 600, { PlanTestModel::AddTask(anna, "Read", 60) });
        bertDay = PlanTestModel::AddProfile(bert, "Day", 700, { PlanTestModel::AddTask(bert, "Run", 30) });
        MessageBox::SetHandler([this](QWidget*, const QString& text, MessageBox::Icon icon, MessageBox::Buttons) {
            messages.append(text);
            lastIcon = icon;
            return MessageBox::Answer::Ok;
        });
    }
    ~CompletePlansDialogTest() override
    {
        MessageBox::SetHandler(nullptr);
        ModalRunner::ClearHandlers();
    }

    // Records the personal plan dialog's caption instead of running it.
    void ExpectPersonalPlanDialog()
    {
        ModalRunner::SetNextHandler([this](QDialog& dialog) {
            if (dynamic_cast<PersonalPlanDialog*>(&dialog))
                shownCaptions.append(dialog.windowTitle());
            return static_cast<int>(QDialog::Accepted);
        });
    }

    PlanTestModel model;
    toolbox::ArrayList<CompletePlan> plans;
    Person* anna;
    Person* bert;
    Profile* annaDay;
    Profile* bertDay;
    QStringList messages;
    QStringList shownCaptions;
    MessageBox::Icon lastIcon = MessageBox::Icon::Question;
};

TEST_F(CompletePlansDialogTest, LabelsEachPlanWithItsTotalDelay)
{
    PlanTestModel::AddCompletePlan(plans, { { annaDay, 10 }, { bertDay, 5 } });
    PlanTestModel::AddCompletePlan(plans, { { annaDay, 1 }, { bertDay, 0 } });
    CompletePlansDialog dialog(plans);
    QTreeWidget* tree = dialog.GetPlanTree();
    EXPECT_EQ(dialog.windowTitle(), "Possible plans");
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Plan (15 minutes delay)");
    EXPECT_EQ(tree->topLevelItem(1)->text(0), "Plan (1 minutes delay)");
    EXPECT_EQ(CompletePlansDialog::PersonalPlanOf(tree->topLevelItem(0)), nullptr);
}

TEST_F(CompletePlansDialogTest, ListsThePersonsOfEachPlanInTheOrderOfItsPersonalPlans)
{
    Person* carl = model.AddPerson("Carl");
    Profile* carlDay = PlanTestModel::AddProfile(carl, "Day", 500);
    CompletePlan* plan = PlanTestModel::AddCompletePlan(plans, { { bertDay, 0 }, { carlDay, 0 }, { annaDay, 0 } });
    CompletePlansDialog dialog(plans);
    QTreeWidgetItem* planNode = dialog.GetPlanTree()->topLevelItem(0);
    ASSERT_EQ(planNode->childCount(), 3);
    EXPECT_TRUE(planNode->isExpanded());
    EXPECT_EQ(planNode->child(0)->text(0), "Bert");
    EXPECT_EQ(planNode->child(1)->text(0), "Carl");
    EXPECT_EQ(planNode->child(2)->text(0), "Anna");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(CompletePlansDialog::PersonalPlanOf(planNode->child(i)), plan->GetPersonalPlans().Get(i));
}

TEST_F(CompletePlansDialogTest, ShowOpensThePersonalPlanOfTheSelectedPerson)
{
    PlanTestModel::AddCompletePlan(plans, { { annaDay, 0 }, { bertDay, 0 } });
    CompletePlansDialog dialog(plans);
    dialog.GetPlanTree()->setCurrentItem(dialog.GetPlanTree()->topLevelItem(0)->child(1));
    ExpectPersonalPlanDialog();
    dialog.GetShowButton()->click();
    EXPECT_EQ(shownCaptions, QStringList({ "Personal plan for Bert" }));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(CompletePlansDialogTest, ShowWithAPlanNodeSelectedAsksForAPerson)
{
    PlanTestModel::AddCompletePlan(plans, { { annaDay, 0 } });
    CompletePlansDialog dialog(plans);
    dialog.GetPlanTree()->setCurrentItem(dialog.GetPlanTree()->topLevelItem(0));
    dialog.GetShowButton()->click();
    EXPECT_EQ(messages, QStringList({ "Please select a person first." }));
    EXPECT_EQ(lastIcon, MessageBox::Icon::Stop);
    EXPECT_FALSE(ModalRunner::HasPendingHandlers());
}

TEST_F(CompletePlansDialogTest, ShowWithNothingSelectedAsksForAPerson)
{
    PlanTestModel::AddCompletePlan(plans, { { annaDay, 0 } });
    CompletePlansDialog dialog(plans);
    dialog.GetShowButton()->click();
    EXPECT_EQ(messages, QStringList({ "Please select a person first." }));
}

TEST_F(CompletePlansDialogTest, DoubleClickOnAPersonOpensItsPlan)
{
    PlanTestModel::AddCompletePlan(plans, { { annaDay, 0 } });
    CompletePlansDialog dialog(plans);
    QTreeWidgetItem* person = dialog.GetPlanTree()->topLevelItem(0)->child(0);
    dialog.GetPlanTree()->setCurrentItem(person);
    ExpectPersonalPlanDialog();
    emit dialog.GetPlanTree()->itemDoubleClicked(person, 0);
    EXPECT_EQ(shownCaptions, QStringList({ "Personal plan for Anna" }));
}

TEST_F(CompletePlansDialogTest, DoubleClickOnAPlanNodeShowsNoMessage)
{
    PlanTestModel::AddCompletePlan(plans, { { annaDay, 0 } });
    CompletePlansDialog dialog(plans);
    QTreeWidgetItem* planNode = dialog.GetPlanTree()->topLevelItem(0);
    dialog.GetPlanTree()->setCurrentItem(planNode);
    emit dialog.GetPlanTree()->itemDoubleClicked(planNode, 0);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(shownCaptions.isEmpty());
}

} // namespace
