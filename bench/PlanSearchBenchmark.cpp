#include "BenchmarkHousehold.h"

#include "planning/CompletePlan.h"
#include "planning/MinuteByMinuteSearch.h"
#include "planning/PlanRandom.h"

#include <benchmark/benchmark.h>

namespace {

constexpr std::uint32_t Seed = 4711;

// Outside the timing: how much work one run is, so that figures of
// different models can be compared.
int AttemptsOfOneRun(const BenchmarkHousehold& household)
{
    PlanRandom random(Seed);
    MinuteByMinuteSearch search(household.GetComputation().GetChosenProfiles(), random);
    search.Run();
    return search.GetAttemptsMade();
}

void ComputePlans(benchmark::State& state)
{
    BenchmarkHousehold household(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    int plansFound = 0;
    int bestDelay = -1;
    for (auto _ : state) {
        auto plans = household.GetComputation().ComputePlans(Seed);
        plansFound = plans->GetCount();
        bestDelay = plansFound > 0 ? plans->Get(0)->GetTotalDelay() : -1;
        benchmark::DoNotOptimize(plans.get());
    }
    state.counters["plans"] = plansFound;
    state.counters["best_delay"] = bestDelay;
    state.counters["tasks"] = household.GetTaskCount();
    state.counters["attempts"] = AttemptsOfOneRun(household);
}

} // namespace

BENCHMARK(ComputePlans)
    ->ArgNames({ "persons", "tasks" })
    ->Args({ 4, 8 })
    ->Args({ 8, 15 })
    ->Args({ 16, 30 })
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
