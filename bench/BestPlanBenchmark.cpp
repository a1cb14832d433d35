#include "BenchmarkHousehold.h"

#include "bestplans/BestPlanComputation.h"
#include "bestplans/SearchControl.h"
#include "planning/CompletePlan.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace {

constexpr std::uint32_t Seeds[] = { 4711u, 1u, 20261208u };

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point begin)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
}

// Watches the control from beside the search, as the progress dialog does,
// and notes when the first plan and the proof arrive.
class Stopwatch {
public:
    explicit Stopwatch(const SearchControl& control)
        : control(control)
        , begin(Clock::now())
        , watcher([this] { Watch(); })
    {
    }
    ~Stopwatch() { Stop(); }

    // What a search quicker than the watcher's glance showed counts at its
    // total time.
    void Finish(double totalMs)
    {
        Stop();
        if (firstPlanMs < 0 && control.GetBestDelay())
            firstPlanMs = totalMs;
        if (proofMs < 0 && control.IsBestProven())
            proofMs = totalMs;
    }

    double firstPlanMs = -1;
    double proofMs = -1;

private:
    void Stop()
    {
        finished = true;
        if (watcher.joinable())
            watcher.join();
    }

    void Watch()
    {
        while (!finished) {
            if (firstPlanMs < 0 && control.GetBestDelay())
                firstPlanMs = MillisecondsSince(begin);
            if (proofMs < 0 && control.IsBestProven())
                proofMs = MillisecondsSince(begin);
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }

    const SearchControl& control;
    const Clock::time_point begin;
    std::atomic<bool> finished { false };
    std::thread watcher;
};

// The random search's best over a few seeds, or -1 when none found a plan.
int RandomSearchBestDelay(const BenchmarkHousehold& household)
{
    int best = -1;
    for (std::uint32_t seed : Seeds) {
        auto plans = household.GetComputation().ComputePlans(seed);
        if (plans->GetCount() > 0 && (best < 0 || plans->Get(0)->GetTotalDelay() < best))
            best = plans->Get(0)->GetTotalDelay();
    }
    return best;
}

// The best-plan search with its default time limit; the counters carry the
// time to the first plan and to the proof (-1 when it did not come), the
// least delay beside the random search's best, and the plans listed.
void BestPlansBesideRandomSearch(benchmark::State& state)
{
    BenchmarkHousehold household(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    double firstPlanMs = -1;
    double proofMs = -1;
    double totalMs = 0;
    int bestDelay = -1;
    int plansFound = 0;
    bool proven = false;
    for (auto _ : state) {
        BestPlanComputation computation(household.GetComputation().GetChosenProfiles());
        SearchControl control;
        Stopwatch stopwatch(control);
        Clock::time_point begin = Clock::now();
        computation.Run(control);
        totalMs = MillisecondsSince(begin);
        stopwatch.Finish(totalMs);
        firstPlanMs = stopwatch.firstPlanMs;
        proofMs = stopwatch.proofMs;
        proven = computation.IsProven();
        auto plans = computation.TakePlans();
        plansFound = plans->GetCount();
        bestDelay = plansFound > 0 ? plans->Get(0)->GetTotalDelay() : -1;
    }
    state.counters["first_plan_ms"] = firstPlanMs;
    state.counters["proof_ms"] = proofMs;
    state.counters["total_ms"] = totalMs;
    state.counters["proven"] = proven ? 1 : 0;
    state.counters["best_delay"] = bestDelay;
    state.counters["random_best_delay"] = RandomSearchBestDelay(household);
    state.counters["plans"] = plansFound;
    state.counters["tasks"] = household.GetTaskCount();
}

} // namespace

BENCHMARK(BestPlansBesideRandomSearch)
    ->ArgNames({ "persons", "tasks" })
    ->Args({ 4, 8 })
    ->Args({ 8, 15 })
    ->Args({ 16, 30 })
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
