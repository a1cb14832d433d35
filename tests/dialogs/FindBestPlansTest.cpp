#include "MessageBoxRecorder.h"
#include "ModelBuilder.h"
#include "bestplans/BestPlanComputation.h"
#include "model/BorrowedList.h"
#include "model/PlanningModel.h"
#include "model/PrecedenceRelation.h"
#include "model/Profile.h"
#include "planning/CompletePlan.h"

#include "app/triext/ModalRunner.h"
#include "dialogs/BestPlansProgressDialog.h"
#include "dialogs/CompletePlansDialog.h"
#include "dialogs/ComputePlansDialog.h"
#include "dialogs/FindBestPlansCommand.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

constexpr int WaitMilliseconds = 60'000;

// The texts of the labels of a dialog, in the order they were made.
QStringList LabelTexts(const QWidget& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts.append(label->text());
    return texts;
}

class FindBestPlansTest : public ::testing::Test {
protected:
    ~FindBestPlansTest() override { ModalRunner::ClearHandlers(); }

    // Anna's evening: Shop (30) ends at least 10 minutes before Cook (60)
    // starts, by 18:00; the least delay is 10.
    Profile* AddEvening()
    {
        Person* anna = builder.AddPerson("Anna");
        Task* shop = builder.AddTask(anna, "Shop", 30);
        Task* cook = builder.AddTask(anna, "Cook", 60);
        Profile* evening = builder.AddProfile(anna, "Evening", 1080, { shop, cook });
        ModelBuilder::Precede(evening, shop, cook, 10);
        return evening;
    }

    // A morning rush whose best plan takes long to prove, all of it chosen.
    void ChooseMorningRush(BorrowedList<Profile>& chosen)
    {
        for (Profile* profile : builder.AddMorningRush(6, 6, 2))
            chosen.Add(profile);
    }

    void ChooseInComputeDialog(std::vector<Profile*> profiles, int result)
    {
        ModalRunner::SetNextHandler([profiles, result](QDialog& dialog) {
            auto& compute = dynamic_cast<ComputePlansDialog&>(dialog);
            for (Profile* profile : profiles) {
                QTreeWidget* tree = compute.GetAvailableTree();
                for (QTreeWidgetItem* item :
                    tree->findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive)) {
                    if (ComputePlansDialog::ProfileOf(item) == profile)
                        tree->setCurrentItem(item);
                }
                compute.GetAddButton()->click();
            }
            return result;
        });
    }

    // Lets the progress dialog run until the search has returned.
    void AwaitSearch()
    {
        ModalRunner::SetNextHandler([this](QDialog& dialog) {
            auto& progress = dynamic_cast<BestPlansProgressDialog&>(dialog);
            progressShown = true;
            EXPECT_TRUE(QTest::qWaitFor([&progress] { return progress.IsSearchFinished(); }, WaitMilliseconds));
            return progress.result();
        });
    }

    void RecordPossiblePlans()
    {
        ModalRunner::SetNextHandler([this](QDialog& dialog) {
            auto& possible = dynamic_cast<CompletePlansDialog&>(dialog);
            prompts = LabelTexts(possible);
            for (int index = 0; index < possible.GetPlanTree()->topLevelItemCount(); ++index)
                planLabels.append(possible.GetPlanTree()->topLevelItem(index)->text(0));
            return static_cast<int>(QDialog::Accepted);
        });
    }

    PlanningModel model;
    ModelBuilder builder { model };
    QWidget owner;
    bool progressShown = false;
    QStringList prompts;
    QStringList planLabels;
};

} // namespace

TEST_F(FindBestPlansTest, ProvenBestPlansOpenInPossiblePlansSayingSo)
{
    Profile* evening = AddEvening();
    ChooseInComputeDialog({ evening }, QDialog::Accepted);
    AwaitSearch();
    RecordPossiblePlans();
    MessageBoxRecorder messages;
    FindBestPlansCommand(&owner, model);
    EXPECT_TRUE(progressShown);
    EXPECT_EQ(prompts.value(0), "These are the best plans for your selected profiles.");
    ASSERT_EQ(planLabels.size(), 20);
    EXPECT_EQ(planLabels[0], "Plan (10 minutes delay)");
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_FALSE(ModalRunner::HasPendingHandlers());
}

TEST_F(FindBestPlansTest, NoPlanTellsTheReasonsWithTheInformationIcon)
{
    Profile* evening = AddEvening();
    ModelBuilder::Precede(evening, evening->GetPrecedenceRelations().Get(1)->GetTask(),
        evening->GetPrecedenceRelations().Get(0)->GetTask());
    ChooseInComputeDialog({ evening }, QDialog::Accepted);
    AwaitSearch();
    MessageBoxRecorder messages;
    FindBestPlansCommand(&owner, model);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text,
        "No plans were found.\n\nAnna / Evening: Shop must come before Cook, and Cook before Shop.");
    EXPECT_EQ(messages.boxes[0].icon, MessageBox::Icon::Information);
    EXPECT_EQ(messages.boxes[0].owner, &owner);
}

TEST_F(FindBestPlansTest, CancelInComputePlansSearchesNothing)
{
    ChooseInComputeDialog({ AddEvening() }, QDialog::Rejected);
    MessageBoxRecorder messages;
    FindBestPlansCommand(&owner, model);
    EXPECT_FALSE(progressShown);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_FALSE(ModalRunner::HasPendingHandlers());
}

TEST_F(FindBestPlansTest, ProgressDialogEndsWithOkOnceTheSearchHasReturned)
{
    BorrowedList<Profile> chosen;
    chosen.Add(AddEvening());
    BestPlanComputation computation(chosen.GetItems());
    BestPlansProgressDialog progress(computation, &owner);
    QSignalSpy accepted(&progress, &QDialog::accepted);
    ASSERT_TRUE(QTest::qWaitFor([&progress] { return progress.IsSearchFinished(); }, WaitMilliseconds));
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(progress.result(), QDialog::Accepted);
    EXPECT_EQ(progress.GetBestDelayLabel()->text(), "Least total delay: 10 minutes (proven).");
    EXPECT_TRUE(computation.IsProven());
}

TEST_F(FindBestPlansTest, StopEndsTheSearchKeepingTheBestFound)
{
    BorrowedList<Profile> chosen;
    ChooseMorningRush(chosen);
    BestPlanComputation computation(chosen.GetItems());
    BestPlansProgressDialog progress(computation, &owner);
    progress.show();
    ASSERT_TRUE(QTest::qWaitFor(
        [&progress] { return progress.GetBestDelayLabel()->text().startsWith("Best total delay so far: "); },
        WaitMilliseconds));
    progress.GetStopButton()->click();
    EXPECT_FALSE(progress.GetStopButton()->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&progress] { return progress.IsSearchFinished(); }, WaitMilliseconds));
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(progress.result(), QDialog::Accepted);
    EXPECT_FALSE(computation.IsProven());
    EXPECT_GE(computation.TakePlans()->GetCount(), 1);
    EXPECT_STREQ(computation.GetHeading(), "These are the best plans found in the time given.");
}

TEST_F(FindBestPlansTest, ClosingTheProgressDialogWaitsForTheSearchToStop)
{
    BorrowedList<Profile> chosen;
    ChooseMorningRush(chosen);
    BestPlanComputation computation(chosen.GetItems());
    BestPlansProgressDialog progress(computation, &owner);
    progress.show();
    progress.close();
    EXPECT_TRUE(progress.isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&progress] { return progress.IsSearchFinished(); }, WaitMilliseconds));
    EXPECT_FALSE(progress.isVisible());
    EXPECT_FALSE(computation.IsProven());
}
