#include "Scenario.h"
#include "model/Profile.h"
#include "planning/PlanComputation.h"

#include <gtest/gtest.h>

namespace {

class ProfileChoiceTest : public ::testing::Test {
protected:
    ProfileChoiceTest()
    {
        Person* anna = scenario.AddPerson("Anna");
        Person* bert = scenario.AddPerson("Bert");
        annaMorning = scenario.AddProfile(anna, 600);
        annaEvening = scenario.AddProfile(anna, 1200);
        bertDay = scenario.AddProfile(bert, 900);
    }

    Scenario scenario;
    PlanComputation& computation = scenario.computation;
    Profile* annaMorning;
    Profile* annaEvening;
    Profile* bertDay;
};

} // namespace

TEST_F(ProfileChoiceTest, KeepsTheOrderOfChoosing)
{
    EXPECT_EQ(computation.ChooseProfile(*bertDay), PlanComputation::Choice::Chosen);
    EXPECT_EQ(computation.ChooseProfile(*annaEvening), PlanComputation::Choice::Chosen);

    ASSERT_EQ(computation.GetChosenProfiles().GetCount(), 2);
    EXPECT_EQ(computation.GetChosenProfiles().Get(0), bertDay);
    EXPECT_EQ(computation.GetChosenProfiles().Get(1), annaEvening);
}

TEST_F(ProfileChoiceTest, AProfileIsChosenOnlyOnce)
{
    computation.ChooseProfile(*bertDay);
    EXPECT_EQ(computation.ChooseProfile(*bertDay), PlanComputation::Choice::AlreadyChosen);
    EXPECT_EQ(computation.GetChosenProfiles().GetCount(), 1);
}

TEST_F(ProfileChoiceTest, APersonGetsAtMostOneProfile)
{
    computation.ChooseProfile(*annaMorning);

    EXPECT_EQ(computation.ChooseProfile(*annaEvening), PlanComputation::Choice::PersonAlreadyChosen);

    ASSERT_EQ(computation.GetChosenProfiles().GetCount(), 1);
    EXPECT_EQ(computation.FindChosenProfileOf(*annaMorning->GetOwner()), annaMorning);
}

TEST_F(ProfileChoiceTest, RemovingAProfileFreesItsPersonForAnother)
{
    computation.ChooseProfile(*annaMorning);
    computation.ChooseProfile(*bertDay);

    computation.RemoveChosenProfile(*annaMorning);

    EXPECT_EQ(computation.FindChosenProfileOf(*annaMorning->GetOwner()), nullptr);
    EXPECT_EQ(computation.ChooseProfile(*annaEvening), PlanComputation::Choice::Chosen);
    ASSERT_EQ(computation.GetChosenProfiles().GetCount(), 2);
    EXPECT_EQ(computation.GetChosenProfiles().Get(0), bertDay);
    EXPECT_STREQ(annaMorning->GetName(), "Profile");
}
