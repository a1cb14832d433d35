#include "BestPlanRun.h"
#include "ModelBuilder.h"
#include "model/BorrowedList.h"
#include "model/PlanningModel.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Task.h"

#include <gtest/gtest.h>

namespace {

// Anna's workday: Shower (15), Breakfast (20), Dress (10), by 08:00.
class NoPlanReasons : public ::testing::Test {
protected:
    NoPlanReasons()
    {
        anna = builder.AddPerson("Anna");
        shower = builder.AddTask(anna, "Shower", 15);
        breakfast = builder.AddTask(anna, "Breakfast", 20);
        dress = builder.AddTask(anna, "Dress", 10);
        workday = builder.AddProfile(anna, "Workday", 480, { shower, breakfast, dress });
        chosen.Add(workday);
    }

    BestPlanRun Run()
    {
        BestPlanRun run = BestPlanRun::Of(chosen.GetItems());
        EXPECT_EQ(run.GetCount(), 0);
        return run;
    }

    PlanningModel model;
    ModelBuilder builder { model };
    BorrowedList<Profile> chosen;
    Person* anna;
    Task* shower;
    Task* breakfast;
    Task* dress;
    Profile* workday;
};

} // namespace

TEST_F(NoPlanReasons, CycleOfTwoIsNamedInWords)
{
    ModelBuilder::Precede(workday, shower, breakfast);
    ModelBuilder::Precede(workday, breakfast, shower);
    EXPECT_EQ(Run().reasons,
        std::vector<std::string>(
            { "Anna / Workday: Shower must come before Breakfast, and Breakfast before Shower." }));
}

TEST_F(NoPlanReasons, ShortestCycleIsNamed)
{
    ModelBuilder::Precede(workday, shower, breakfast);
    ModelBuilder::Precede(workday, breakfast, dress);
    ModelBuilder::Precede(workday, dress, shower);
    ModelBuilder::Precede(workday, dress, breakfast);
    EXPECT_EQ(Run().reasons,
        std::vector<std::string>({ "Anna / Workday: Breakfast must come before Dress, and Dress before Breakfast." }));
}

TEST_F(NoPlanReasons, CycleOfThreeListsEveryStep)
{
    ModelBuilder::Precede(workday, shower, breakfast);
    ModelBuilder::Precede(workday, breakfast, dress);
    ModelBuilder::Precede(workday, dress, shower);
    EXPECT_EQ(Run().reasons,
        std::vector<std::string>(
            { "Anna / Workday: Shower must come before Breakfast, Breakfast before Dress, and Dress before Shower." }));
}

TEST_F(NoPlanReasons, TaskThatMustPrecedeItselfIsNamed)
{
    ModelBuilder::Precede(workday, dress, dress);
    EXPECT_EQ(Run().reasons, std::vector<std::string>({ "Anna / Workday: Dress must come before itself." }));
}

TEST_F(NoPlanReasons, CycleOfTasksWithoutDurationStillHasNoPlan)
{
    shower->SetDuration(0);
    breakfast->SetDuration(0);
    ModelBuilder::Precede(workday, shower, breakfast);
    ModelBuilder::Precede(workday, breakfast, shower);
    EXPECT_EQ(Run().reasons.size(), 1u);
}

TEST_F(NoPlanReasons, MinimumAboveMaximumIsNamedWithBothBounds)
{
    ModelBuilder::Precede(workday, shower, breakfast, 30, 10);
    EXPECT_EQ(Run().reasons,
        std::vector<std::string>(
            { "Anna / Workday: Shower must end at least 30 and at most 10 minutes before Breakfast starts." }));
}

TEST_F(NoPlanReasons, GapsThatCannotHoldTogetherAreNamedWithoutTheOthers)
{
    ModelBuilder::Precede(workday, shower, breakfast, 0, 5);
    ModelBuilder::Precede(workday, shower, dress);
    ModelBuilder::Precede(workday, dress, breakfast);
    Task* coffee = builder.AddTask(anna, "Coffee", 5);
    ModelBuilder::Execute(workday, coffee);
    ModelBuilder::Precede(workday, coffee, shower, 10);
    EXPECT_EQ(Run().reasons,
        std::vector<std::string>({ "Anna / Workday: these precedences cannot all hold with one task at a time: "
                                   "Shower at most 5 minutes before Breakfast; Dress before Breakfast; "
                                   "Shower before Dress." }));
}

TEST_F(NoPlanReasons, GapsThatCrowdOneAnotherOutAreNamed)
{
    ModelBuilder::Precede(workday, shower, breakfast, 25, 30);
    ModelBuilder::Precede(workday, shower, dress, 0, 5);
    ModelBuilder::Precede(workday, dress, breakfast, 21);
    EXPECT_EQ(Run().reasons,
        std::vector<std::string>({ "Anna / Workday: these precedences cannot all hold with one task at a time: "
                                   "Shower 25 to 30 minutes before Breakfast; Dress at least 21 minutes before "
                                   "Breakfast; Shower at most 5 minutes before Dress." }));
}

TEST_F(NoPlanReasons, EveryProfileWithoutAPlanHasItsReasonAndOthersNone)
{
    ModelBuilder::Precede(workday, shower, breakfast, 30, 10);
    Person* bert = builder.AddPerson("Bert");
    Task* walk = builder.AddTask(bert, "Walk", 30);
    Task* feed = builder.AddTask(bert, "Feed", 5);
    Profile* morning = builder.AddProfile(bert, "Morning", 420, { walk, feed });
    ModelBuilder::Precede(morning, walk, feed, 0, 40);
    ModelBuilder::Precede(morning, feed, walk, 0, 40);
    Person* carl = builder.AddPerson("Carl");
    chosen.Add(morning);
    chosen.Add(builder.AddProfile(carl, "Lazy", 600, { builder.AddTask(carl, "Sleep", 600) }));
    std::vector<std::string> reasons = Run().reasons;
    ASSERT_EQ(reasons.size(), 2u);
    EXPECT_EQ(reasons[0].rfind("Anna / Workday: ", 0), 0u);
    EXPECT_EQ(reasons[1], "Bert / Morning: Walk must come before Feed, and Feed before Walk.");
}

TEST_F(NoPlanReasons, PrecedenceOnATaskTheProfileDoesNotExecuteIsIgnored)
{
    Task* jog = builder.AddTask(anna, "Jog", 30);
    ModelBuilder::Precede(workday, jog, shower, 30, 10);
    BestPlanRun run = BestPlanRun::Of(chosen.GetItems());
    EXPECT_GE(run.GetCount(), 1);
    EXPECT_TRUE(run.reasons.empty());
}

TEST_F(NoPlanReasons, StopBeforeTheFirstPlanSaysNoneWasFoundInTime)
{
    // A gap longer than Dress, which the random search never meets, so it
    // has no plan to offer.
    ModelBuilder::Precede(workday, shower, breakfast, 30);
    SearchControl control;
    control.RequestStop();
    BestPlanRun run = BestPlanRun::Of(chosen.GetItems(), std::move(control));
    EXPECT_EQ(run.GetCount(), 0);
    EXPECT_FALSE(run.proven);
    EXPECT_EQ(run.reasons, std::vector<std::string>({ "No plan was found in the time given." }));
}

TEST_F(NoPlanReasons, StopRightAwayStillOffersTheRandomSearchPlan)
{
    ModelBuilder::Precede(workday, shower, breakfast);
    SearchControl control;
    control.RequestStop();
    BestPlanRun run = BestPlanRun::Of(chosen.GetItems(), std::move(control));
    ASSERT_EQ(run.GetCount(), 1);
    EXPECT_FALSE(run.proven);
    EXPECT_TRUE(run.reasons.empty());
    ExpectSoundDistinctAscending(run, chosen.GetItems());
}
