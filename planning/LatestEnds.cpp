#include "planning/LatestEnds.h"

#include "planning/Minutes.h"
#include "planning/SearchIndex.h"
#include "planning/SweepState.h"

#include <algorithm>

LatestEnds::LatestEnds(const SearchIndex& searchIndex, const SweepState& sweepState)
    : index(searchIndex)
    , state(sweepState)
    , slotRuns(index.GetSlotCount(), Run { None, None, None, false })
    , planRuns(index.GetPlanCount(), Run { None, None, None, false })
    , planStates(index.GetPlanCount(), PlanRunState::Unknown)
{
    changedPlans.reserve(index.GetPlanCount());
}

void LatestEnds::Reset()
{
    for (Run& run : slotRuns)
        run.known = false;
    std::fill(planStates.begin(), planStates.end(), PlanRunState::Unknown);
    changedPlans.clear();
}

std::int64_t LatestEnds::OfPlan(int plan, std::int64_t high)
{
    if (std::int64_t remembered = RememberedOfPlan(plan, high); remembered != Forgotten)
        return remembered;
    // The slot with the latest end carries the run of the plan: below its
    // latest end the plan can end wherever that slot can. Tasks are mostly
    // listed in the order of the day, so the last ones are the likeliest
    // to end at `high` and end the walk early.
    std::int64_t latest = None;
    std::int64_t low = None;
    std::span<const int> open = state.GetOpenSlots(plan);
    for (auto next = open.rbegin(); next != open.rend(); ++next) {
        int slot = *next;
        std::int64_t end = OfSlot(slot, high);
        if (end > latest) {
            latest = end;
            low = slotRuns[slot].low;
        } else if (end == latest && end != None) {
            low = std::min(low, slotRuns[slot].low);
        }
        if (latest == high)
            break;
    }
    planRuns[plan] = Run { low, latest, high, true };
    planStates[plan] = PlanRunState::Exact;
    return latest;
}

void LatestEnds::AfterPlacing(int slot)
{
    const SearchIndex::Slot& placed = index.GetSlot(slot);
    // A placed slot is asked no more; forgetting its run keeps the narrowing
    // below from touching it.
    slotRuns[slot].known = false;
    // The placed task opens the windows of the tasks that must end before
    // it, so its plan may gain ends; everything else can only lose some.
    std::span<const int> bound = index.GetBoundSlots(slot);
    for (int earlier : bound)
        slotRuns[earlier].known = false;
    Demote(placed.plan, bound.empty() ? PlanRunState::Bound : PlanRunState::Unknown);
    std::int64_t start = state.GetStart(slot);
    for (int resource : index.GetResources(slot)) {
        for (int user : index.GetUsers(resource)) {
            const SearchIndex::Slot& other = index.GetSlot(user);
            if (Narrow(slotRuns[user], start, start + placed.duration + other.duration))
                Weaken(other.plan);
        }
    }
}

void LatestEnds::Demote(int plan, PlanRunState lesser)
{
    if (planStates[plan] == PlanRunState::Exact)
        changedPlans.push_back(plan);
    if (planStates[plan] != PlanRunState::Unknown)
        planStates[plan] = lesser;
}

bool LatestEnds::Narrow(Run& run, std::int64_t start, std::int64_t blockedUntil)
{
    // The blocked ends are start + 1 to blockedUntil - 1.
    if (!run.known || run.latest == None || blockedUntil - start < 2)
        return false;
    if (blockedUntil <= run.low || start >= run.latest)
        return false;
    if (blockedUntil <= run.latest)
        run.low = blockedUntil;
    else if (start >= run.low)
        run.latest = start;
    else
        run.known = false;
    return true;
}

LatestEnds::Run LatestEnds::Compute(int slot, std::int64_t high) const
{
    const Run none { None, None, high, true };
    const SearchIndex::Slot& task = index.GetSlot(slot);
    // A start must fit in 32 bits, and so must the end.
    std::int64_t low = std::max(Minutes::Lowest, Minutes::Lowest + task.duration);
    std::int64_t latest = std::min(high, Minutes::Highest + task.duration);
    for (const SearchIndex::Constraint& constraint : index.GetConstraints(slot)) {
        // An earlier task is placed only after every task that must follow it.
        if (constraint.laterSlot < 0 || !state.IsPlaced(constraint.laterSlot))
            return none;
        std::int64_t laterStart = state.GetStart(constraint.laterSlot);
        latest = std::min(latest, laterStart - constraint.minimumTime);
        low = std::max(low, laterStart - constraint.maximumTime);
    }
    // Each resource pushes the end back as far as it must; repeat until all
    // of them agree.
    std::span<const int> resources = index.GetResources(slot);
    for (bool moved = true; moved && latest >= low;) {
        moved = false;
        for (int resource : resources) {
            std::int64_t end = LatestFreeEnd(resource, task.duration, latest);
            moved = moved || end != latest;
            latest = end;
        }
        if (resources.size() < 2)
            break;
    }
    if (latest < low)
        return none;
    for (int resource : resources)
        low = FreeRunStart(resource, task.duration, latest, low);
    return Run { low, latest, high, true };
}

std::int64_t LatestEnds::LatestFreeEnd(int resource, std::int32_t duration, std::int64_t end) const
{
    // A holder that starts before the end and runs past end - duration
    // pushes the end back to its start. Holders come latest start first, so
    // none that was passed can conflict again, and once even the longest
    // holding cannot reach the end, no later holder can.
    std::int64_t reach = std::int64_t { index.GetLongestHolding(resource) } + duration;
    for (int holder : state.GetHolders(resource)) {
        std::int64_t start = state.GetStart(holder);
        if (start + reach <= end)
            break;
        if (start < end && end < start + index.GetSlot(holder).duration + duration)
            end = start;
    }
    return end;
}

std::int64_t LatestEnds::FreeRunStart(int resource, std::int32_t duration, std::int64_t latest, std::int64_t low) const
{
    // Every holder that starts before `latest` has let go of the resource
    // early enough for `latest`; the one that lets go last decides.
    std::int64_t reach = std::int64_t { index.GetLongestHolding(resource) } + duration;
    for (int holder : state.GetHolders(resource)) {
        std::int64_t start = state.GetStart(holder);
        if (start + reach <= low)
            break;
        std::int64_t blockedUntil = start + index.GetSlot(holder).duration + duration;
        if (start < latest && blockedUntil - start >= 2)
            low = std::max(low, blockedUntil);
    }
    return low;
}
