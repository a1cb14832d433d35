#include "BenchmarkHousehold.h"

#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/IndexedSearch.h"
#include "planning/MinuteByMinuteSearch.h"
#include "planning/PersonalPlan.h"
#include "planning/PlanRandom.h"
#include "planning/TaskExecution.h"
#include "toolbox/NewOwned.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <string>

namespace {

constexpr std::uint32_t Seeds[] = { 4711u, 1u, 20261208u };

// Processor time, not wall time: the machine that runs the benchmark is
// usually shared.
double CpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

template <typename Search>
std::unique_ptr<toolbox::ArrayList<CompletePlan>> RunOnce(
    const toolbox::ArrayList<Profile>& profiles, std::uint32_t seed)
{
    PlanRandom random(seed);
    Search search(profiles, random);
    return search.Run();
}

// Processor seconds of one pass of `Search` over every seed.
template <typename Search> double SecondsOfOnePass(const toolbox::ArrayList<Profile>& profiles)
{
    double begin = CpuSeconds();
    for (std::uint32_t seed : Seeds)
        benchmark::DoNotOptimize(RunOnce<Search>(profiles, seed).get());
    return CpuSeconds() - begin;
}

struct FastestPasses {
    double referenceSeconds;
    double indexedSeconds;
};

// The fastest pass of each search, in rounds that take turns so that both
// meet the same load of a shared machine: a round is one pass of the
// reference and passes of the indexed search for a tenth of its time.
FastestPasses TimeBothSearches(const toolbox::ArrayList<Profile>& profiles, double minimumSeconds)
{
    FastestPasses fastest { 1e300, 1e300 };
    for (double spent = 0; spent < minimumSeconds;) {
        double reference = SecondsOfOnePass<MinuteByMinuteSearch>(profiles);
        fastest.referenceSeconds = std::min(fastest.referenceSeconds, reference);
        spent += reference;
        for (double indexedSpent = 0; indexedSpent < reference / 10;) {
            double indexed = SecondsOfOnePass<IndexedSearch>(profiles);
            fastest.indexedSeconds = std::min(fastest.indexedSeconds, indexed);
            indexedSpent += indexed;
            spent += indexed;
        }
    }
    return fastest;
}

bool SamePlans(const toolbox::ArrayList<CompletePlan>& left, const toolbox::ArrayList<CompletePlan>& right)
{
    if (left.GetCount() != right.GetCount())
        return false;
    for (int plan = 0; plan < left.GetCount(); ++plan) {
        const auto& leftPlans = left.Get(plan)->GetPersonalPlans();
        const auto& rightPlans = right.Get(plan)->GetPersonalPlans();
        if (leftPlans.GetCount() != rightPlans.GetCount())
            return false;
        for (int person = 0; person < leftPlans.GetCount(); ++person) {
            const auto& leftRuns = leftPlans.Get(person)->GetExecutions();
            const auto& rightRuns = rightPlans.Get(person)->GetExecutions();
            if (leftRuns.GetCount() != rightRuns.GetCount())
                return false;
            for (int index = 0; index < leftRuns.GetCount(); ++index) {
                if (leftRuns.Get(index)->GetTask() != rightRuns.Get(index)->GetTask()
                    || leftRuns.Get(index)->GetStartTime() != rightRuns.Get(index)->GetStartTime())
                    return false;
            }
        }
    }
    return true;
}

// The reference and the indexed search on the same household and seeds;
// the counters carry the fastest pass of each over the seeds, their ratio,
// the plans found, and whether every plan came out the same.
void ReferenceBesideIndexed(benchmark::State& state, HouseholdFamily family)
{
    BenchmarkHousehold household(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), family);
    const auto& profiles = household.GetComputation().GetChosenProfiles();
    FastestPasses fastest { 0, 0 };
    for (auto _ : state)
        fastest = TimeBothSearches(profiles, 1.0);
    bool identical = true;
    int plansFound = 0;
    for (std::uint32_t seed : Seeds) {
        auto expected = RunOnce<MinuteByMinuteSearch>(profiles, seed);
        identical = identical && SamePlans(*expected, *RunOnce<IndexedSearch>(profiles, seed));
        plansFound += expected->GetCount();
    }
    state.counters["reference_ms"] = fastest.referenceSeconds * 1000;
    state.counters["indexed_ms"] = fastest.indexedSeconds * 1000;
    state.counters["speedup"] = fastest.indexedSeconds > 0 ? fastest.referenceSeconds / fastest.indexedSeconds : 0;
    state.counters["identical"] = identical ? 1 : 0;
    state.counters["tasks"] = household.GetTaskCount();
    state.counters["plans"] = plansFound;
}

template <typename T> T* Adopt(toolbox::ArrayList<T>& list, std::unique_ptr<T> item)
{
    return &toolbox::AddOwned(list, std::move(item));
}

// One profile ending at hour 99999 beside one ending at 08:00, sharing a
// kitchen: the minute-by-minute sweep walks about six million idle minutes
// per attempt there, which takes far too long to run it here. The late
// person's pauses keep every plan from being free of delay, so a run makes
// all 1000 attempts.
class LateEndHousehold {
public:
    LateEndHousehold()
    {
        Resource* kitchen = Adopt(model.GetResources(), std::make_unique<Resource>());
        kitchen->SetName("Kitchen");
        AddPerson("Late", 99999 * 60, 5, kitchen);
        AddPerson("Early", 8 * 60, 0, kitchen);
    }

    const toolbox::ArrayList<Profile>& GetChosenProfiles() const { return computation.GetChosenProfiles(); }

private:
    void AddPerson(const char* name, std::int32_t endTime, std::int32_t gap, Resource* shared)
    {
        Person* person = Adopt(model.GetPersons(), std::make_unique<Person>());
        person->SetName(name);
        Profile* profile = Adopt(person->GetProfiles(), std::make_unique<Profile>(person));
        profile->SetEndTime(endTime);
        Task* previous = nullptr;
        for (int number = 0; number < 8; ++number) {
            Task* task = Adopt(person->GetTasks(), std::make_unique<Task>(person));
            task->SetName(("Task " + std::to_string(number)).c_str());
            task->SetDuration(10 + 5 * number);
            if (number % 3 == 0)
                task->GetRequiredResources().Add(shared);
            PrecedenceRelation* relation
                = Adopt(profile->GetPrecedenceRelations(), std::make_unique<PrecedenceRelation>());
            relation->SetTask(task);
            if (previous)
                Adopt(relation->GetPrecedents(), std::make_unique<PrecedentTask>(previous))->SetMinimumTime(gap);
            previous = task;
        }
        computation.ChooseProfile(*profile);
    }

    PlanningModel model;
    PlanComputation computation;
};

void IndexedAloneWithAnEndAtHour99999(benchmark::State& state)
{
    LateEndHousehold household;
    int plansFound = 0;
    long scans = 0;
    int attempts = 0;
    for (auto _ : state) {
        PlanRandom random(Seeds[0]);
        IndexedSearch search(household.GetChosenProfiles(), random);
        auto plans = search.Run();
        plansFound = plans->GetCount();
        scans = search.GetScansMade();
        attempts = search.GetAttemptsMade();
        benchmark::DoNotOptimize(plans.get());
    }
    state.counters["plans"] = plansFound;
    state.counters["attempts"] = attempts;
    state.counters["scans"] = static_cast<double>(scans);
}

} // namespace

BENCHMARK_CAPTURE(ReferenceBesideIndexed, mixed, HouseholdFamily::Mixed)
    ->ArgNames({ "persons", "tasks" })
    ->Args({ 4, 8 })
    ->Args({ 8, 15 })
    ->Args({ 16, 30 })
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(ReferenceBesideIndexed, every_task_executed, HouseholdFamily::EveryTaskExecuted)
    ->ArgNames({ "persons", "tasks" })
    ->Args({ 8, 20 })
    ->Args({ 10, 22 })
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(ReferenceBesideIndexed, maximum_gaps, HouseholdFamily::MaximumGaps)
    ->ArgNames({ "persons", "tasks" })
    ->Args({ 8, 15 })
    ->Args({ 10, 22 })
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(IndexedAloneWithAnEndAtHour99999)->Unit(benchmark::kMillisecond);
