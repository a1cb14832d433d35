#include "bestplans/Horizon.h"

#include "bestplans/PlanProblem.h"

#include <algorithm>
#include <limits>

namespace {

// Comfortably inside the solver's range of about two thousand million, so
// that its own sums of bounds cannot overflow either.
constexpr std::int64_t LargestNumber = 1'000'000'000;

} // namespace

// Take any plan and fix the order of every two executions that do not
// overlap in it and share a person or a resource. Every solution of those
// orders, the end times and the gaps is again a plan (executions that
// overlap in it overlapped already), and their latest solution starts every
// profile no earlier, so it is at least as good. That latest solution sets
// each start to the shortest path to it from the end times over the
// difference bounds, and a shortest path passes each execution once. One
// step from an execution lowers the start by at most the longest duration
// (an order), the earlier duration plus a minimum gap (a gap where it is the
// later task), or minus the earlier duration and a maximum gap (where it is
// the earlier task). So the earliest latest start minus the sum of each
// execution's largest step is never undercut by a best plan.
Horizon::Horizon(const PlanProblem& problem)
{
    const auto& executions = problem.GetExecutions();
    std::int64_t longest = 0;
    for (const PlanProblem::Execution& execution : executions)
        longest = std::max<std::int64_t>(longest, execution.duration);
    std::vector<std::int64_t> steps(executions.size(), longest);
    for (const PlanProblem::Gap& gap : problem.GetGaps()) {
        std::int64_t earlierDuration = executions[gap.earlier].duration;
        steps[gap.later] = std::max(steps[gap.later], earlierDuration + gap.minimum);
        steps[gap.earlier] = std::max(steps[gap.earlier], -(earlierDuration + gap.maximum));
    }
    std::int64_t earliestLatest = std::numeric_limits<std::int64_t>::max();
    std::int64_t latest = std::numeric_limits<std::int64_t>::min();
    std::int64_t stepSum = 0;
    for (std::size_t index = 0; index < executions.size(); ++index) {
        const auto& profile = problem.GetProfiles()[executions[index].profile];
        latestStarts.push_back(static_cast<std::int64_t>(profile.endTime) - executions[index].duration);
        earliestLatest = std::min(earliestLatest, latestStarts.back());
        latest = std::max(latest, latestStarts.back());
        stepSum += steps[index];
    }
    if (executions.empty())
        return;
    lowestStart = earliestLatest - stepSum;
    span = latest - lowestStart;
    for (const PlanProblem::PlannedProfile& profile : problem.GetProfiles()) {
        if (profile.executionCount == 0)
            continue;
        std::int64_t base = static_cast<std::int64_t>(profile.endTime) - profile.totalDuration;
        highestDelay += base - lowestStart;
        lowestDelay += base - (lowestStart + span);
    }
}

bool Horizon::Fits() const
{
    auto small = [](std::int64_t value) { return value >= -LargestNumber && value <= LargestNumber; };
    return small(span) && small(highestDelay) && small(lowestDelay);
}
