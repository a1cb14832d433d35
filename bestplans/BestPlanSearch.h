#pragma once

#include "bestplans/ScheduleSpace.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class Horizon;
class PlanProblem;
class SearchControl;
class SearchLimit;

// Branch and bound for the least total delay of a plan problem, then the
// further distinct schedules in ascending total delay: all of one delay
// before any of the next, found by searching with the delay fixed. Each
// profile is first planned alone: its least delay there bounds its delay in
// every plan, so a plan that meets the sum of those bounds is proven best at
// once. Works on the problem alone, so it may run on any thread.
class BestPlanSearch {
public:
    static constexpr int MaximumSchedules = 20;

    // One start per execution of the problem.
    struct Schedule {
        std::vector<std::int32_t> starts;
        std::int64_t totalDelay;
    };

    enum class Outcome {
        // The first schedule is the best there is, or there is none at all.
        Finished,
        // Stopped or out of time: the schedules are those found, best first.
        Stopped,
    };

    // The horizon must fit (Horizon::Fits).
    BestPlanSearch(const PlanProblem& problem, const Horizon& horizon, SearchControl& control);
    ~BestPlanSearch();
    BestPlanSearch(const BestPlanSearch&) = delete;
    BestPlanSearch& operator=(const BestPlanSearch&) = delete;

    // A plan found some other way, which the search then only has to beat;
    // ignored unless it keeps every rule.
    void StartFrom(std::vector<std::int32_t> starts) { knownStarts = std::move(starts); }

    Outcome Run();

    // In ascending total delay, no two the same; at most MaximumSchedules.
    const std::vector<Schedule>& GetSchedules() const { return schedules; }

private:
    enum class Keeping { Best, EveryFound };

    // False when some profile has no plan even alone.
    bool FindLeastDelaysAlone();
    std::unique_ptr<ScheduleSpace> MakeRoot(
        std::int64_t lowestDelay, std::int64_t highestDelay, ScheduleSpace::Branching branching) const;
    // The known plan as a solved space, or null when it breaks a rule or
    // lies outside the delays given.
    std::unique_ptr<ScheduleSpace> SettleKnown(std::int64_t lowestDelay) const;
    // The best schedule from `lowestDelay` up, or null when there is none or
    // the limit came first; when the limit came after a schedule was found,
    // the best found.
    std::unique_ptr<ScheduleSpace> FindLeast(std::int64_t lowestDelay, Keeping keeping);
    // Adds the schedules of exactly this delay that are not known yet.
    void CollectDelay(std::int64_t totalDelay);
    void Keep(const ScheduleSpace& solution);

    const PlanProblem& problem;
    const Horizon& horizon;
    SearchControl& control;
    std::unique_ptr<SearchLimit> limit;
    std::vector<std::int32_t> knownStarts;
    std::vector<Schedule> schedules;
    // Per profile, its least delay when planned alone, where known.
    std::vector<std::optional<std::int64_t>> leastDelays;
};
