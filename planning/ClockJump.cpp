#include "planning/ClockJump.h"

#include "planning/LatestEnds.h"
#include "planning/SweepState.h"

#include <algorithm>

ClockJump::ClockJump(int planCount, const SweepState& sweepState, LatestEnds& ends)
    : state(sweepState)
    , latestEnds(ends)
    , planLatestEnds(planCount, LatestEnds::Forgotten)
    , stalePlans(planCount, 0)
    , isStale(planCount, 0)
{
}

void ClockJump::Reset()
{
    std::fill(isStale.begin(), isStale.end(), 0);
    staleCount = 0;
    for (int plan = 0; plan < static_cast<int>(planLatestEnds.size()); ++plan)
        Forget(plan);
}

void ClockJump::Forget(int plan)
{
    planLatestEnds[plan] = LatestEnds::Forgotten;
    if (isStale[plan])
        return;
    isStale[plan] = 1;
    stalePlans[staleCount++] = plan;
}

std::int32_t ClockJump::Jump(std::int32_t minute)
{
    // Nothing changes while the clock runs back, so the next scan that can
    // place a task is at the latest minute at which a free plan has a
    // candidate; below the earliest start nobody is busy any more.
    for (int plan : latestEnds.GetChangedPlans())
        Forget(plan);
    latestEnds.ForgetChangedPlans();
    // A plan that did not change keeps its latest end: the clock never
    // passed below it, or the plan would have been eligible there.
    landing = state.GetEarliestPlanStart();
    for (std::int64_t latestEnd : planLatestEnds)
        landing = std::max(landing, latestEnd);
    // A stale plan whose bound stays below the bar needs no computing yet.
    int stillStale = 0;
    for (int plan : std::span(stalePlans).first(staleCount)) {
        std::int64_t high = std::min(std::int64_t { minute } - 1, std::int64_t { state.GetPlanStart(plan) });
        std::int64_t latestEnd = latestEnds.RememberedOfPlan(plan, high);
        if (latestEnd == LatestEnds::Forgotten && latestEnds.BoundOfPlan(plan, high) < landing) {
            stalePlans[stillStale++] = plan;
            continue;
        }
        if (latestEnd == LatestEnds::Forgotten)
            latestEnd = latestEnds.OfPlan(plan, high);
        planLatestEnds[plan] = latestEnd;
        isStale[plan] = 0;
        landing = std::max(landing, latestEnd);
    }
    staleCount = stillStale;
    return static_cast<std::int32_t>(landing);
}

int ClockJump::CollectEligible(std::span<int> eligible) const
{
    // Written always, counted only when eligible: cheaper than a branch that
    // goes either way.
    int count = 0;
    for (int plan = 0; plan < static_cast<int>(planLatestEnds.size()); ++plan) {
        eligible[count] = plan;
        count += planLatestEnds[plan] == landing ? 1 : 0;
    }
    return count;
}
