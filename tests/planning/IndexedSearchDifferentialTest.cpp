#include "Scenario.h"

#include "model/Profile.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/IndexedSearch.h"
#include "planning/MinuteByMinuteSearch.h"
#include "planning/PersonalPlan.h"
#include "planning/PlanRandom.h"
#include "planning/TaskExecution.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

enum class Size { Tiny, Small, Medium, Large };

struct Shape {
    Size size;
    bool tightGaps;
    bool lateEnds;
};

// A generated household of the given shape. The oddities the search must
// survive appear now and then: cycles, gaps that cannot be met, zero and
// negative durations, end times of 0 and below, repeated relations and
// precedent entries.
class GeneratedModel {
public:
    GeneratedModel(Shape shape, unsigned modelSeed)
        : random(modelSeed)
    {
        int persons = Pick(1, 2);
        int tasks = Pick(0, 3);
        if (shape.size == Size::Small) {
            persons = Pick(2, 3);
            tasks = Pick(1, 4);
        } else if (shape.size == Size::Medium) {
            persons = Pick(3, 5);
            tasks = Pick(3, 6);
        } else if (shape.size == Size::Large) {
            persons = Pick(6, 8);
            tasks = Pick(5, 8);
        }
        for (int count = Pick(0, 3); count > 0; --count)
            resources.push_back(scenario.AddResource("Shared", Pick(1, 3)));
        for (int person = 0; person < persons; ++person)
            AddPerson(shape, tasks);
    }

    Scenario scenario;

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool OneIn(int chances) { return Pick(1, chances) == 1; }

    std::int32_t Duration()
    {
        if (OneIn(12))
            return 0;
        if (OneIn(25))
            return -Pick(1, 30);
        return 5 * Pick(1, 12);
    }

    std::int32_t EndTime(const Shape& shape)
    {
        if (OneIn(8))
            return 0;
        if (OneIn(30))
            return -Pick(1, 300);
        if (shape.lateEnds && OneIn(3))
            return Pick(1500, 4000);
        return 5 * Pick(60, 288);
    }

    void AddPerson(const Shape& shape, int tasks)
    {
        Person* person = scenario.AddPerson("Person");
        std::vector<Task*> own;
        for (int count = tasks + Pick(0, 1); count > 0; --count) {
            Task* task = scenario.AddTask(person, "Task", Duration());
            for (Resource* resource : resources) {
                if (OneIn(3))
                    task->GetRequiredResources().Add(resource);
            }
            own.push_back(task);
        }
        Profile* profile = scenario.AddProfile(person, EndTime(shape));
        std::vector<Task*> executed;
        for (Task* task : own) {
            if (OneIn(6))
                continue;
            scenario.Execute(profile, task);
            executed.push_back(task);
        }
        if (!executed.empty() && OneIn(40))
            scenario.Execute(profile, executed.front());
        AddPrecedences(shape, profile, own, executed);
        if (!OneIn(10))
            scenario.Choose(profile);
    }

    void AddPrecedences(
        const Shape& shape, Profile* profile, const std::vector<Task*>& own, const std::vector<Task*>& executed)
    {
        for (std::size_t later = 0; later < executed.size(); ++later) {
            for (int entries = Pick(0, 2); entries > 0; --entries) {
                // Mostly earlier list entries, so that plans exist; any task
                // of the person now and then, which makes cycles, self
                // precedences and entries the profile never executes.
                Task* earlier = later > 0 && !OneIn(7) ? executed[Pick(0, static_cast<int>(later) - 1)]
                                                       : own[Pick(0, static_cast<int>(own.size()) - 1)];
                std::int32_t minimum = shape.tightGaps ? Pick(0, 15) : (OneIn(2) ? 0 : 5 * Pick(0, 12));
                std::int32_t maximum = shape.tightGaps ? minimum + Pick(0, 20) : 32767;
                if (!shape.tightGaps && OneIn(3))
                    maximum = minimum + 5 * Pick(0, 40);
                if (OneIn(30))
                    maximum = minimum - Pick(1, 10);
                scenario.Precede(profile, earlier, executed[later], minimum, maximum);
            }
        }
    }

    std::mt19937 random;
    std::vector<Resource*> resources;
};

std::string Describe(const TaskExecution& execution)
{
    return std::to_string(reinterpret_cast<std::uintptr_t>(execution.GetTask())) + "@"
        + std::to_string(execution.GetStartTime());
}

// Every personal plan, execution and start, in order; a readable failure
// shows the first place where the two plans part.
void ExpectSamePlan(const CompletePlan& expected, const CompletePlan& actual, const std::string& where)
{
    const auto& expectedPlans = expected.GetPersonalPlans();
    const auto& actualPlans = actual.GetPersonalPlans();
    ASSERT_EQ(expectedPlans.GetCount(), actualPlans.GetCount()) << where;
    for (int plan = 0; plan < expectedPlans.GetCount(); ++plan) {
        const PersonalPlan& left = *expectedPlans.Get(plan);
        const PersonalPlan& right = *actualPlans.Get(plan);
        ASSERT_EQ(left.GetProfile(), right.GetProfile()) << where << " personal plan " << plan;
        ASSERT_EQ(left.GetExecutions().GetCount(), right.GetExecutions().GetCount())
            << where << " personal plan " << plan;
        for (int index = 0; index < left.GetExecutions().GetCount(); ++index) {
            ASSERT_EQ(Describe(*left.GetExecutions().Get(index)), Describe(*right.GetExecutions().Get(index)))
                << where << " personal plan " << plan << " execution " << index;
        }
    }
}

void ExpectSameRun(const Scenario& scenario, std::uint32_t seed, const std::string& where)
{
    const auto& profiles = scenario.computation.GetChosenProfiles();
    PlanRandom referenceRandom(seed);
    MinuteByMinuteSearch reference(profiles, referenceRandom);
    auto expected = reference.Run();
    PlanRandom fastRandom(seed);
    IndexedSearch fast(profiles, fastRandom);
    auto actual = fast.Run();

    EXPECT_EQ(reference.GetAttemptsMade(), fast.GetAttemptsMade()) << where;
    EXPECT_EQ(referenceRandom.Draw(), fastRandom.Draw()) << where << ": the draws went out of step";
    ASSERT_EQ(expected->GetCount(), actual->GetCount()) << where;
    for (int index = 0; index < expected->GetCount(); ++index)
        ExpectSamePlan(*expected->Get(index), *actual->Get(index), where + " plan " + std::to_string(index));
}

// Single sweeps, incomplete ones included, one after the other from one
// generator each.
void ExpectSameAttempts(const Scenario& scenario, std::uint32_t seed, int attempts, const std::string& where)
{
    const auto& profiles = scenario.computation.GetChosenProfiles();
    PlanRandom referenceRandom(seed);
    MinuteByMinuteSearch reference(profiles, referenceRandom);
    PlanRandom fastRandom(seed);
    IndexedSearch fast(profiles, fastRandom);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        auto expected = reference.BuildAttempt();
        auto actual = fast.BuildAttempt();
        ExpectSamePlan(*expected, *actual, where + " attempt " + std::to_string(attempt));
    }
    EXPECT_EQ(referenceRandom.Draw(), fastRandom.Draw()) << where << ": the draws went out of step";
}

struct Batch {
    Shape shape;
    int models;
    unsigned firstModelSeed;
};

// Whole runs make up to 1000 sweeps of the slow reference, so only every
// tenth model gets one; every model gets single sweeps from three seeds.
void CompareBatch(const Batch& batch)
{
    const std::uint32_t seeds[] = { 1u, 4711u, 20261208u };
    for (int model = 0; model < batch.models; ++model) {
        unsigned modelSeed = batch.firstModelSeed + static_cast<unsigned>(model);
        GeneratedModel generated(batch.shape, modelSeed);
        for (std::uint32_t seed : seeds) {
            std::string where = "model " + std::to_string(modelSeed) + " seed " + std::to_string(seed);
            ExpectSameAttempts(generated.scenario, seed, 8, where);
            if (::testing::Test::HasFatalFailure())
                return;
        }
        if (model % 10 == 0) {
            std::uint32_t seed = seeds[model / 10 % 3];
            ExpectSameRun(generated.scenario, seed, "model " + std::to_string(modelSeed) + " whole run");
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}

} // namespace

TEST(IndexedSearchMatchesTheMinuteByMinuteSweep, OnTinyModelsWithLooseGaps)
{
    CompareBatch({ { Size::Tiny, false, false }, 80, 1000 });
}

TEST(IndexedSearchMatchesTheMinuteByMinuteSweep, OnTinyModelsWithTightGapsAndLateEnds)
{
    CompareBatch({ { Size::Tiny, true, true }, 60, 2000 });
}

TEST(IndexedSearchMatchesTheMinuteByMinuteSweep, OnSmallModelsWithTightGaps)
{
    CompareBatch({ { Size::Small, true, false }, 60, 3000 });
}

TEST(IndexedSearchMatchesTheMinuteByMinuteSweep, OnSmallModelsWithLooseGapsAndLateEnds)
{
    CompareBatch({ { Size::Small, false, true }, 30, 4000 });
}

TEST(IndexedSearchMatchesTheMinuteByMinuteSweep, OnMediumModels)
{
    CompareBatch({ { Size::Medium, false, false }, 20, 5000 });
    CompareBatch({ { Size::Medium, true, false }, 20, 6000 });
}

TEST(IndexedSearchMatchesTheMinuteByMinuteSweep, OnLargeModels)
{
    CompareBatch({ { Size::Large, false, false }, 4, 7000 });
    CompareBatch({ { Size::Large, true, false }, 4, 8001 });
}

namespace {

// Two persons sharing a resource, one of them ending at `lateEnd`, the other
// at 08:00; the late one leaves five minutes between its tasks.
struct FarApartEnds {
    explicit FarApartEnds(std::int32_t lateEnd)
    {
        Resource* kitchen = scenario.AddResource("Kitchen");
        Person* late = scenario.AddPerson("Late");
        Task* wash = scenario.AddTask(late, "Wash", 20, { kitchen });
        Task* cook = scenario.AddTask(late, "Cook", 40, { kitchen });
        lateDay = scenario.AddProfile(late, lateEnd, { wash, cook });
        scenario.Precede(lateDay, wash, cook, 5);
        Person* early = scenario.AddPerson("Early");
        Task* bake = scenario.AddTask(early, "Bake", 30, { kitchen });
        earlyDay = scenario.AddProfile(early, 8 * 60, { bake });
        scenario.Choose(lateDay);
        scenario.Choose(earlyDay);
    }

    long ScansOfOneRun(std::uint32_t seed) const
    {
        PlanRandom random(seed);
        IndexedSearch search(scenario.computation.GetChosenProfiles(), random);
        search.Run();
        return search.GetScansMade();
    }

    Scenario scenario;
    Profile* lateDay;
    Profile* earlyDay;
};

} // namespace

TEST(IndexedSearch, ExaminesAsOftenForAnEndAtHour99999AsForOneAtHour20)
{
    EXPECT_EQ(FarApartEnds(99999 * 60).ScansOfOneRun(7), FarApartEnds(20 * 60).ScansOfOneRun(7));
}

TEST(IndexedSearch, PlansAnEndAtHour99999BesideOneAtEightInTheMorning)
{
    FarApartEnds model(99999 * 60);
    auto plans = model.scenario.Compute(7);

    ASSERT_EQ(plans->GetCount(), 20);
    for (const CompletePlan* plan : *plans) {
        const PersonalPlan* late = plan->GetPersonalPlans().Get(0);
        const PersonalPlan* early = plan->GetPersonalPlans().Get(1);
        ASSERT_EQ(late->GetExecutions().GetCount(), 2);
        ASSERT_EQ(early->GetExecutions().GetCount(), 1);
        EXPECT_EQ(late->GetExecutions().Get(0)->GetStartTime(), 99999 * 60 - 40 - 5 - 20);
        EXPECT_EQ(early->GetExecutions().Get(0)->GetStartTime(), 8 * 60 - 30);
        EXPECT_EQ(plan->GetTotalDelay(), 5);
    }
}
