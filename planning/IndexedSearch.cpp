#include "planning/IndexedSearch.h"

#include "planning/CompletePlan.h"
#include "planning/PlanRandom.h"
#include "planning/SearchLimits.h"

#include <algorithm>
#include <span>

namespace {

// Repeated relations repeat their slot among the candidates.
int MostRelationsOfAPlan(const SearchIndex& index)
{
    std::size_t most = 0;
    for (int plan = 0; plan < index.GetPlanCount(); ++plan)
        most = std::max(most, index.GetRelationSlots(plan).size());
    return static_cast<int>(most);
}

} // namespace

IndexedSearch::IndexedSearch(const toolbox::ArrayList<Profile>& chosenProfiles, PlanRandom& generator)
    : random(generator)
    , index(chosenProfiles)
    , state(index)
    , latestEnds(index, state)
    , clockJump(index.GetPlanCount(), state, latestEnds)
    , eligible(index.GetPlanCount(), 0)
    , candidatePositions(MostRelationsOfAPlan(index), 0)
{
}

std::unique_ptr<toolbox::ArrayList<CompletePlan>> IndexedSearch::Run()
{
    kept.Clear();
    int zeroDelayPlans = 0;
    attemptsMade = 0;
    while (SearchLimits::MayAttemptAgain(attemptsMade, zeroDelayPlans)) {
        ++attemptsMade;
        if (!Sweep())
            continue;
        std::int64_t totalDelay = state.GetTotalDelay();
        kept.Keep(state.GetPlacements(), totalDelay);
        if (totalDelay == 0)
            ++zeroDelayPlans;
    }
    return kept.BuildBest(index);
}

std::unique_ptr<CompletePlan> IndexedSearch::BuildAttempt()
{
    Sweep();
    return KeptAttempts::BuildPlan(index, state.GetPlacements());
}

bool IndexedSearch::Sweep()
{
    state.Reset();
    latestEnds.Reset();
    clockJump.Reset();
    std::int32_t minute = index.GetClockStart();
    bool busy = Scan(minute);
    for (;;) {
        if (eligibleCount == 0) {
            // The clock only runs back while somebody is still working.
            if (!busy)
                break;
            ++scansMade;
            minute = clockJump.Jump(minute);
            eligibleCount = clockJump.CollectEligible(eligible);
            busy = state.GetEarliestPlanStart() < minute;
            continue;
        }
        int plan = eligible[random.Choose(eligibleCount)];
        int count = CollectCandidates(plan, minute);
        int position = candidatePositions[random.Choose(count)];
        int slot = state.GetOpenSlots(plan)[position];
        state.PlaceOpenSlot(plan, position, minute);
        latestEnds.AfterPlacing(slot);
        clockJump.Forget(plan);
        busy = RescanAfterPlacement(slot, minute);
    }
    return state.IsComplete();
}

bool IndexedSearch::Scan(std::int32_t minute)
{
    ++scansMade;
    bool busy = false;
    eligibleCount = 0;
    for (int plan = 0; plan < index.GetPlanCount(); ++plan) {
        if (state.GetPlanStart(plan) < minute)
            busy = true;
        else if (HasCandidate(plan, minute))
            eligible[eligibleCount++] = plan;
    }
    return busy;
}

bool IndexedSearch::RescanAfterPlacement(int placedSlot, std::int32_t minute)
{
    ++scansMade;
    // The placing plan was eligible, so the new eligible plans are a subset
    // of the old ones, still in plan order.
    int placingPlan = index.GetSlot(placedSlot).plan;
    int previousCount = eligibleCount;
    eligibleCount = 0;
    for (int position = 0; position < previousCount; ++position) {
        int plan = eligible[position];
        bool keep = state.GetPlanStart(plan) >= minute;
        if (keep && (plan == placingPlan || index.SharesResource(plan, placedSlot)))
            keep = HasCandidate(plan, minute);
        if (keep)
            eligible[eligibleCount++] = plan;
    }
    return state.GetEarliestPlanStart() < minute;
}

bool IndexedSearch::HasCandidate(int plan, std::int32_t minute)
{
    for (int slot : state.GetOpenSlots(plan)) {
        if (latestEnds.CanEndAt(slot, minute))
            return true;
    }
    return false;
}

int IndexedSearch::CollectCandidates(int plan, std::int32_t minute)
{
    // Relation order, repeats included: the draw is taken modulo this
    // count.
    int count = 0;
    std::span<const int> open = state.GetOpenSlots(plan);
    for (int position = 0; position < static_cast<int>(open.size()); ++position) {
        // Written always, counted only for a candidate: whether a slot is
        // one is too random a branch to predict.
        candidatePositions[count] = position;
        count += latestEnds.CanEndAt(open[position], minute) ? 1 : 0;
    }
    return count;
}
