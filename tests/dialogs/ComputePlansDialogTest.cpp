#include "PlanTestModel.h"
#include "planning/PlanComputation.h"

#include "dialogs/ComputePlansDialog.h"

#include "app/triext/MessageBox.h"

#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class ComputePlansDialogTest : public ::testing::Test {
protected:
    ComputePlansDialogTest()
    {
        anna = model.AddPerson("Anna");
        bert = model.AddPerson("Bert");
        carl = model.AddPerson("Carl");
        annaMorning = PlanTestModel::AddProfile(anna, "Morning", 600);
        annaEvening = PlanTestModel::AddProfile(anna, "Evening", 1200);
        bertDay = PlanTestModel::AddProfile(bert, "Day", 900);
        MessageBox::SetHandler([this](QWidget* owner, const QString& text, MessageBox::Icon icon, MessageBox::Buttons) {
            messages.append(text);
            lastOwner = owner;
            lastIcon = icon;
            return MessageBox::Answer::Ok;
        });
    }
    ~ComputePlansDialogTest() override { MessageBox::SetHandler(nullptr); }

    // "Person" for a person node, "Person/Profile" for a profile node, in tree order.
    static QStringList NodesOf(const QTreeWidget& tree)
    {
        QStringList nodes;
        for (int i = 0; i < tree.topLevelItemCount(); ++i) {
            const QTreeWidgetItem* person = tree.topLevelItem(i);
            nodes.append(person->text(0));
            for (int j = 0; j < person->childCount(); ++j)
                nodes.append(person->text(0) + "/" + person->child(j)->text(0));
        }
        return nodes;
    }

    static QTreeWidgetItem* FindNode(const QTreeWidget& tree, const QString& person, const QString& profile = {})
    {
        for (int i = 0; i < tree.topLevelItemCount(); ++i) {
            QTreeWidgetItem* personNode = tree.topLevelItem(i);
            if (personNode->text(0) != person)
                continue;
            if (profile.isEmpty())
                return personNode;
            for (int j = 0; j < personNode->childCount(); ++j) {
                if (personNode->child(j)->text(0) == profile)
                    return personNode->child(j);
            }
        }
        return nullptr;
    }

    static void Select(QTreeWidget& tree, QTreeWidgetItem* node)
    {
        ASSERT_NE(node, nullptr);
        tree.setCurrentItem(node);
    }

    void Add(ComputePlansDialog& dialog, const QString& person, const QString& profile)
    {
        Select(*dialog.GetAvailableTree(), FindNode(*dialog.GetAvailableTree(), person, profile));
        dialog.GetAddButton()->click();
    }

    PlanTestModel model;
    PlanComputation computation;
    Person* anna;
    Person* bert;
    Person* carl;
    Profile* annaMorning;
    Profile* annaEvening;
    Profile* bertDay;
    QStringList messages;
    QWidget* lastOwner = nullptr;
    MessageBox::Icon lastIcon = MessageBox::Icon::Question;
};

TEST_F(ComputePlansDialogTest, OffersEveryPersonWithAllProfilesAtFirst)
{
    ComputePlansDialog dialog(computation, model.model.GetPersons());
    EXPECT_EQ(dialog.windowTitle(), "Compute plans");
    EXPECT_EQ(NodesOf(*dialog.GetAvailableTree()),
        QStringList({ "Anna", "Anna/Morning", "Anna/Evening", "Bert", "Bert/Day", "Carl" }));
    EXPECT_EQ(dialog.GetRequiredTree()->topLevelItemCount(), 0);
    EXPECT_TRUE(FindNode(*dialog.GetAvailableTree(), "Anna")->isExpanded());
}

TEST_F(ComputePlansDialogTest, AddingMovesThePersonWithOnlyThatProfile)
{
    ComputePlansDialog dialog(computation, model.model.GetPersons());
    Add(dialog, "Anna", "Evening");
    EXPECT_EQ(NodesOf(*dialog.GetAvailableTree()), QStringList({ "Bert", "Bert/Day", "Carl" }));
    EXPECT_EQ(NodesOf(*dialog.GetRequiredTree()), QStringList({ "Anna", "Anna/Evening" }));
    ASSERT_EQ(computation.GetChosenProfiles().GetCount(), 1);
    EXPECT_EQ(computation.GetChosenProfiles().Get(0), annaEvening);
}

TEST_F(ComputePlansDialogTest, RemovingMovesThePersonBackWithAllProfiles)
{
    ComputePlansDialog dialog(computation, model.model.GetPersons());
    Add(dialog, "Anna", "Evening");
    Select(*dialog.GetRequiredTree(), FindNode(*dialog.GetRequiredTree(), "Anna", "Evening"));
    dialog.GetRemoveButton()->click();
    EXPECT_EQ(NodesOf(*dialog.GetAvailableTree()),
        QStringList({ "Anna", "Anna/Morning", "Anna/Evening", "Bert", "Bert/Day", "Carl" }));
    EXPECT_EQ(dialog.GetRequiredTree()->topLevelItemCount(), 0);
    EXPECT_EQ(computation.GetChosenProfiles().GetCount(), 0);
    EXPECT_EQ(anna->GetProfiles().GetCount(), 2);
}

TEST_F(ComputePlansDialogTest, TreesFollowThePersonListWhileTheChosenListKeepsTheOrderOfChoosing)
{
    ComputePlansDialog dialog(computation, model.model.GetPersons());
    Add(dialog, "Bert", "Day");
    Add(dialog, "Anna", "Morning");
    EXPECT_EQ(NodesOf(*dialog.GetRequiredTree()), QStringList({ "Anna", "Anna/Morning", "Bert", "Bert/Day" }));
    ASSERT_EQ(computation.GetChosenProfiles().GetCount(), 2);
    EXPECT_EQ(computation.GetChosenProfiles().Get(0), bertDay);
    EXPECT_EQ(computation.GetChosenProfiles().Get(1), annaMorning);
}

TEST_F(ComputePlansDialogTest, APersonWithoutProfilesStaysAvailableWithoutChildren)
{
    ComputePlansDialog dialog(computation, model.model.GetPersons());
    Select(*dialog.GetAvailableTree(), FindNode(*dialog.GetAvailableTree(), "Carl"));
    dialog.GetAddButton()->click();
    EXPECT_EQ(FindNode(*dialog.GetAvailableTree(), "Carl")->childCount(), 0);
    EXPECT_EQ(computation.GetChosenProfiles().GetCount(), 0);
    EXPECT_EQ(messages, QStringList({ "Please select a profile first." }));
}

TEST_F(ComputePlansDialogTest, AddWithoutSelectionAsksForAProfileWithTheStopIcon)
{
    ComputePlansDialog dialog(computation, model.model.GetPersons());
    dialog.GetAddButton()->click();
    EXPECT_EQ(messages, QStringList({ "Please select a profile first." }));
    EXPECT_EQ(lastIcon, MessageBox::Icon::Stop);
    EXPECT_EQ(lastOwner, &dialog);
    EXPECT_EQ(computation.GetChosenProfiles().GetCount(), 0);
}

TEST_F(ComputePlansDialogTest, RemoveWithAPersonNodeSelectedAsksForAProfile)
{
    ComputePlansDialog dialog(computation, model.model.GetPersons());
    Add(dialog, "Bert", "Day");
    Select(*dialog.GetRequiredTree(), FindNode(*dialog.GetRequiredTree(), "Bert"));
    dialog.GetRemoveButton()->click();
    EXPECT_EQ(messages, QStringList({ "Please select a profile first." }));
    EXPECT_EQ(computation.GetChosenProfiles().GetCount(), 1);
}

TEST_F(ComputePlansDialogTest, DoubleClicksAddAndRemoveTheSelectedProfile)
{
    ComputePlansDialog dialog(computation, model.model.GetPersons());
    QTreeWidget* available = dialog.GetAvailableTree();
    QTreeWidgetItem* day = FindNode(*available, "Bert", "Day");
    Select(*available, day);
    emit available->itemDoubleClicked(day, 0);
    EXPECT_EQ(computation.GetChosenProfiles().GetCount(), 1);

    QTreeWidget* required = dialog.GetRequiredTree();
    QTreeWidgetItem* chosen = FindNode(*required, "Bert", "Day");
    Select(*required, chosen);
    emit required->itemDoubleClicked(chosen, 0);
    EXPECT_EQ(computation.GetChosenProfiles().GetCount(), 0);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ComputePlansDialogTest, ComputeAcceptsAndCancelRejectsWithoutChecking)
{
    PlanningModel empty;
    ComputePlansDialog computeDialog(computation, empty.GetPersons());
    EXPECT_EQ(computeDialog.GetAvailableTree()->topLevelItemCount(), 0);
    EXPECT_EQ(computeDialog.GetOkButton()->text(), "Compute");
    computeDialog.GetOkButton()->click();
    EXPECT_EQ(computeDialog.result(), QDialog::Accepted);

    ComputePlansDialog cancelDialog(computation, model.model.GetPersons());
    cancelDialog.GetCancelButton()->click();
    EXPECT_EQ(cancelDialog.result(), QDialog::Rejected);
    EXPECT_TRUE(messages.isEmpty());
}

} // namespace
