#include "PlanTestModel.h"
#include "model/PrecedentTask.h"

#include "dialogs/ComputePlansCommand.h"

#include "app/triext/MessageBox.h"
#include "app/triext/ModalRunner.h"
#include "dialogs/CompletePlansDialog.h"
#include "dialogs/ComputePlansDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class ComputePlansCommandTest : public ::testing::Test {
protected:
    ComputePlansCommandTest()
    {
        MessageBox::SetHandler([this](QWidget* owner, const QString& text, MessageBox::Icon icon, MessageBox::Buttons) {
            messages.append(text);
            lastOwner = owner;
            lastIcon = icon;
            return MessageBox::Answer::Ok;
        });
    }
    ~ComputePlansCommandTest() override
    {
        MessageBox::SetHandler(nullptr);
        ModalRunner::ClearHandlers();
    }

    // Chooses the given profiles in "Compute plans" and ends it with `result`.
    void ChooseInComputeDialog(QList<Profile*> profiles, int result)
    {
        ModalRunner::SetNextHandler([this, profiles, result](QDialog& dialog) {
            auto& compute = dynamic_cast<ComputePlansDialog&>(dialog);
            for (Profile* profile : profiles)
                SelectAndAdd(compute, profile);
            computeDialogShown = true;
            return result;
        });
    }

    static void SelectAndAdd(ComputePlansDialog& dialog, Profile* profile)
    {
        QTreeWidget* tree = dialog.GetAvailableTree();
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* person = tree->topLevelItem(i);
            for (int j = 0; j < person->childCount(); ++j) {
                if (ComputePlansDialog::ProfileOf(person->child(j)) == profile)
                    tree->setCurrentItem(person->child(j));
            }
        }
        dialog.GetAddButton()->click();
    }

    // Records the persons under each plan node of "Possible plans".
    void RecordPossiblePlans()
    {
        ModalRunner::SetNextHandler([this](QDialog& dialog) {
            QTreeWidget* tree = dynamic_cast<CompletePlansDialog&>(dialog).GetPlanTree();
            for (int i = 0; i < tree->topLevelItemCount(); ++i) {
                QStringList persons;
                for (int j = 0; j < tree->topLevelItem(i)->childCount(); ++j)
                    persons.append(tree->topLevelItem(i)->child(j)->text(0));
                possiblePlans.append(persons);
            }
            cursorDuringPossiblePlans = QApplication::overrideCursor() != nullptr;
            return static_cast<int>(QDialog::Accepted);
        });
    }

    Profile* AddPersonWithProfile(const char* name, std::int32_t endTime)
    {
        Person* person = model.AddPerson(name);
        Task* task = PlanTestModel::AddTask(person, "Work", 30);
        return PlanTestModel::AddProfile(person, "Day", endTime, { task });
    }

    PlanTestModel model;
    QWidget owner;
    QStringList messages;
    QWidget* lastOwner = nullptr;
    MessageBox::Icon lastIcon = MessageBox::Icon::Question;
    bool computeDialogShown = false;
    QList<QStringList> possiblePlans;
    bool cursorDuringPossiblePlans = true;
};

TEST_F(ComputePlansCommandTest, CancelComputesNothingAndShowsNothing)
{
    Profile* day = AddPersonWithProfile("Anna", 600);
    ChooseInComputeDialog({ day }, QDialog::Rejected);
    ComputePlansCommand(&owner, model.model);
    EXPECT_TRUE(computeDialogShown);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(ModalRunner::HasPendingHandlers());
}

TEST_F(ComputePlansCommandTest, ThreeChosenProfilesGiveThreePersonsPerPlanInTheOrderChosen)
{
    Profile* anna = AddPersonWithProfile("Anna", 600);
    Profile* bert = AddPersonWithProfile("Bert", 600);
    Profile* carl = AddPersonWithProfile("Carl", 600);
    ChooseInComputeDialog({ carl, anna, bert }, QDialog::Accepted);
    RecordPossiblePlans();
    ComputePlansCommand(&owner, model.model);
    ASSERT_FALSE(possiblePlans.isEmpty());
    for (const QStringList& persons : possiblePlans)
        EXPECT_EQ(persons, QStringList({ "Carl", "Anna", "Bert" }));
    EXPECT_FALSE(cursorDuringPossiblePlans);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ComputePlansCommandTest, NoPlanFoundIsReportedWithTheInformationIcon)
{
    Person* anna = model.AddPerson("Anna");
    Task* first = PlanTestModel::AddTask(anna, "First", 10);
    Task* second = PlanTestModel::AddTask(anna, "Second", 10);
    Profile* cyclic = PlanTestModel::AddProfile(anna, "Cyclic", 600, { first, second });
    cyclic->GetPrecedenceRelations().Get(0)->GetPrecedents().Add(new PrecedentTask(second));
    cyclic->GetPrecedenceRelations().Get(1)->GetPrecedents().Add(new PrecedentTask(first));
    ChooseInComputeDialog({ cyclic }, QDialog::Accepted);
    ComputePlansCommand(&owner, model.model);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(
        messages[0].startsWith("Sorry, no matching plans were found. Either your task precedences\nare cyclic"));
    EXPECT_TRUE(messages[0].endsWith("this time.\nIn the second case, simply retry the search."));
    EXPECT_EQ(lastIcon, MessageBox::Icon::Information);
    EXPECT_EQ(lastOwner, &owner);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ComputePlansCommandTest, ChosenProfilesStayInTheModel)
{
    Profile* day = AddPersonWithProfile("Anna", 600);
    ChooseInComputeDialog({ day }, QDialog::Accepted);
    RecordPossiblePlans();
    ComputePlansCommand(&owner, model.model);
    ASSERT_EQ(model.model.GetPersons().Get(0)->GetProfiles().GetCount(), 1);
    EXPECT_EQ(model.model.GetPersons().Get(0)->GetProfiles().Get(0), day);
    EXPECT_EQ(possiblePlans.value(0), QStringList({ "Anna" }));
}

} // namespace
