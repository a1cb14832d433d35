#include "BestPlanRun.h"
#include "ModelBuilder.h"
#include "model/BorrowedList.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/PlanComputation.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// A random household of a few persons sharing a few resources, each with
// one chosen profile; precedences mostly point forward through the list of
// tasks, so most households have plans, but with minimum and maximum gaps
// that the random search often cannot meet.
class GeneratedHousehold {
public:
    explicit GeneratedHousehold(unsigned seed)
        : random(seed)
    {
        std::vector<Resource*> resources;
        for (int count = Pick(0, 3); count > 0; --count)
            resources.push_back(builder.AddResource("R", Pick(0, 2)));
        for (int count = Pick(1, 4); count > 0; --count)
            AddPerson(resources);
        for (Profile* profile : chosen)
            computation.ChooseProfile(*profile);
    }

    const toolbox::ArrayList<Profile>& GetChosen() const { return chosen.GetItems(); }

    // The least total delay of the random search over a few seeds, or -1.
    int RandomSearchBest() const
    {
        int best = -1;
        for (std::uint32_t seed : { 1u, 2u, 3u }) {
            auto plans = computation.ComputePlans(seed);
            if (plans->GetCount() > 0 && (best < 0 || plans->Get(0)->GetTotalDelay() < best))
                best = plans->Get(0)->GetTotalDelay();
        }
        return best;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    void AddPerson(const std::vector<Resource*>& resources)
    {
        Person* person = builder.AddPerson("P");
        Profile* profile = builder.AddProfile(person, "Day", Pick(0, 4) * 180);
        std::vector<Task*> executed;
        for (int count = Pick(0, 5); count > 0; --count) {
            Task* task = builder.AddTask(person, "T", Pick(0, 6) * 10);
            if (!resources.empty() && Pick(0, 1) == 0)
                task->GetRequiredResources().Add(resources[Pick(0, static_cast<int>(resources.size()) - 1)]);
            ModelBuilder::Execute(profile, task);
            if (!executed.empty() && Pick(0, 1) == 0) {
                Task* earlier = executed[Pick(0, static_cast<int>(executed.size()) - 1)];
                int minimum = Pick(0, 2) * 10;
                ModelBuilder::Precede(profile, earlier, task, minimum, Pick(0, 1) ? 32767 : minimum + Pick(0, 60));
            }
            executed.push_back(task);
        }
        chosen.Add(profile);
    }

    std::mt19937 random;
    PlanningModel model;
    ModelBuilder builder { model };
    BorrowedList<Profile> chosen;
    PlanComputation computation;
};

class BestPlanProperties : public ::testing::TestWithParam<unsigned> { };

} // namespace

TEST_P(BestPlanProperties, PlansAreSoundDistinctAscendingAndNeverWorseThanTheRandomSearch)
{
    GeneratedHousehold household(GetParam());
    BestPlanRun run = BestPlanRun::Of(household.GetChosen());
    ExpectSoundDistinctAscending(run, household.GetChosen());
    int randomBest = household.RandomSearchBest();
    ASSERT_TRUE(run.proven);
    if (randomBest >= 0) {
        ASSERT_GE(run.GetCount(), 1);
        EXPECT_LE(run.DelayOf(0), randomBest);
    }
    EXPECT_EQ(run.GetCount() == 0, !run.reasons.empty());
}

INSTANTIATE_TEST_SUITE_P(GeneratedHouseholds, BestPlanProperties, ::testing::Range(1u, 101u));
