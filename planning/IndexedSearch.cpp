#include "planning/IndexedSearch.h"

#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/PlanRandom.h"
#include "planning/TaskExecution.h"

#include <algorithm>

namespace {

// Times are compared in 64 bits so that a large end time minus a large gap
// cannot overflow.
constexpr std::int64_t Wide(std::int32_t value)
{
    return value;
}

// Below any minute a sweep can reach, with room to subtract from it.
constexpr std::int64_t Unbounded = -(std::int64_t { 1 } << 62);

} // namespace

IndexedSearch::IndexedSearch(const toolbox::ArrayList<Profile>& chosenProfiles, PlanRandom& generator)
    : random(generator)
{
    IndexProfiles(chosenProfiles);
}

IndexedSearch::~IndexedSearch() = default;

void IndexedSearch::IndexProfiles(const toolbox::ArrayList<Profile>& chosenProfiles)
{
    for (Profile* profile : chosenProfiles) {
        PlanIndex plan { profile, profile->GetEndTime(), profile->GetTotalDuration(),
            static_cast<int>(relationSlots.size()), 0, static_cast<int>(slots.size()), 0 };
        if (plan.endTime > clockStart)
            clockStart = plan.endTime;
        int planNumber = static_cast<int>(plans.size());
        plans.push_back(plan);
        for (const PrecedenceRelation* relation : profile->GetPrecedenceRelations()) {
            Task* task = relation->GetTask();
            int slot = task ? SlotOf(planNumber, task) : -1;
            if (task && slot < 0) {
                slot = static_cast<int>(slots.size());
                slots.push_back(TaskSlot { planNumber, task, task->GetDuration(), 0, 0, 0, 0 });
                ++plans.back().slotCount;
            }
            relationSlots.push_back(slot);
            ++plans.back().relationCount;
        }
    }
    for (const TaskSlot& slot : slots) {
        for (const Resource* resource : slot.task->GetRequiredResources())
            resources.push_back(resource);
    }
    std::sort(resources.begin(), resources.end());
    resources.erase(std::unique(resources.begin(), resources.end()), resources.end());
    std::vector<int> holdersPerResource(resources.size(), 0);
    for (TaskSlot& slot : slots) {
        slot.firstResource = static_cast<int>(slotResources.size());
        for (const Resource* resource : slot.task->GetRequiredResources()) {
            int index = ResourceIndex(resource);
            auto first = slotResources.begin() + slot.firstResource;
            if (std::find(first, slotResources.end(), index) != slotResources.end())
                continue;
            slotResources.push_back(index);
            ++holdersPerResource[index];
        }
        slot.resourceCount = static_cast<int>(slotResources.size()) - slot.firstResource;
        const PlanIndex& plan = plans[slot.plan];
        slot.firstConstraint = static_cast<int>(constraints.size());
        for (const PrecedenceRelation* relation : plan.profile->GetPrecedenceRelations()) {
            const PrecedentTask* entry = relation->FindPrecedent(slot.task);
            if (!entry)
                continue;
            constraints.push_back(Constraint {
                SlotOf(slot.plan, relation->GetTask()), entry->GetMinimumTime(), entry->GetMaximumTime() });
        }
        slot.constraintCount = static_cast<int>(constraints.size()) - slot.firstConstraint;
    }
    resourceHolderOffsets.assign(resources.size() + 1, 0);
    for (std::size_t index = 0; index < resources.size(); ++index)
        resourceHolderOffsets[index + 1] = resourceHolderOffsets[index] + holdersPerResource[index];

    placed.assign(slots.size(), 0);
    starts.assign(slots.size(), 0);
    planStarts.assign(plans.size(), 0);
    planPlacedCounts.assign(plans.size(), 0);
    holders.assign(resourceHolderOffsets.back(), 0);
    holderCounts.assign(resources.size(), 0);
    longestHolding.assign(resources.size(), 0);
    resourceUserOffsets = resourceHolderOffsets;
    resourceUsers.assign(resourceHolderOffsets.back(), 0);
    std::vector<int> users(resources.size(), 0);
    for (int slot = 0; slot < static_cast<int>(slots.size()); ++slot) {
        const TaskSlot& task = slots[slot];
        for (int index = task.firstResource; index < task.firstResource + task.resourceCount; ++index) {
            int resource = slotResources[index];
            resourceUsers[resourceUserOffsets[resource] + users[resource]++] = slot;
        }
    }
    remembered.assign(slots.size(), RememberedEnd { 0, 0, false });
    boundOffsets.assign(slots.size() + 1, 0);
    for (const Constraint& constraint : constraints)
        ++boundOffsets[constraint.laterSlot + 1];
    for (std::size_t slot = 0; slot < slots.size(); ++slot)
        boundOffsets[slot + 1] += boundOffsets[slot];
    boundSlots.assign(constraints.size(), 0);
    std::vector<int> bound(slots.size(), 0);
    for (int slot = 0; slot < static_cast<int>(slots.size()); ++slot) {
        const TaskSlot& task = slots[slot];
        for (int index = task.firstConstraint; index < task.firstConstraint + task.constraintCount; ++index) {
            int later = constraints[index].laterSlot;
            boundSlots[boundOffsets[later] + bound[later]++] = slot;
        }
    }
    planKnownLatestEnds.assign(plans.size(), 0);
    planKnownUpTo.assign(plans.size(), 0);
    planKnown.assign(plans.size(), PlanLatestUnknown);
    std::vector<unsigned char> seen(resources.size(), 0);
    for (const TaskSlot& slot : slots) {
        for (int index = slot.firstResource; index < slot.firstResource + slot.resourceCount; ++index) {
            int resource = slotResources[index];
            if (!seen[resource] || slot.duration > longestHolding[resource])
                longestHolding[resource] = slot.duration;
            seen[resource] = 1;
        }
    }
    eligible.assign(plans.size(), 0);
    latestEnds.assign(plans.size(), 0);
    planUsesResource.assign(plans.size() * resources.size(), 0);
    for (const TaskSlot& slot : slots) {
        for (int index = slot.firstResource; index < slot.firstResource + slot.resourceCount; ++index)
            planUsesResource[slot.plan * resources.size() + slotResources[index]] = 1;
    }
    candidates.assign(relationSlots.size(), 0);
    openSlots.assign(relationSlots.size(), 0);
    openCounts.assign(plans.size(), 0);
    sweepPlacements.assign(slots.size(), Placement { 0, 0 });
}

int IndexedSearch::SlotOf(int plan, const Task* task) const
{
    const PlanIndex& index = plans[plan];
    for (int slot = index.firstSlot; slot < index.firstSlot + index.slotCount; ++slot) {
        if (slots[slot].task == task)
            return slot;
    }
    return -1;
}

int IndexedSearch::ResourceIndex(const Resource* resource) const
{
    return static_cast<int>(std::lower_bound(resources.begin(), resources.end(), resource) - resources.begin());
}

inline bool IndexedSearch::IsCandidate(int slot, std::int32_t minute) const
{
    if (placed[slot])
        return false;
    // A remembered latest end decides at once: the minute is possible only
    // if it is that latest end.
    if (remembered[slot].known && minute <= remembered[slot].upTo && remembered[slot].latestEnd <= minute)
        return remembered[slot].latestEnd == minute;
    return ArePrecedencesKept(slot, minute) && AreResourcesFree(slot, minute);
}

inline std::int64_t IndexedSearch::CachedLatestEnd(int slot, std::int64_t high)
{
    // The clock only runs back, so a value known up to a later minute stays
    // right as long as it is not above the new bound.
    if (remembered[slot].known && remembered[slot].latestEnd <= high && high <= remembered[slot].upTo)
        return remembered[slot].latestEnd;
    remembered[slot].known = true;
    remembered[slot].upTo = high;
    remembered[slot].latestEnd = LatestPossibleEnd(slot, Unbounded, high);
    return remembered[slot].latestEnd;
}

std::unique_ptr<toolbox::ArrayList<CompletePlan>> IndexedSearch::Run()
{
    keptPlacements.clear();
    keptOffsets.assign(1, 0);
    keptDelays.clear();
    int zeroDelayPlans = 0;
    attemptsMade = 0;
    while (attemptsMade < MaximumAttempts && zeroDelayPlans < ZeroDelayPlansToStop) {
        ++attemptsMade;
        if (!Sweep())
            continue;
        RecordCompleteAttempt();
        if (keptDelays.back() == 0)
            ++zeroDelayPlans;
    }
    auto result = std::make_unique<toolbox::ArrayList<CompletePlan>>();
    for (int attempt : SelectBest()) {
        std::unique_ptr<CompletePlan> plan
            = BuildPlan(keptPlacements.data() + keptOffsets[attempt], keptOffsets[attempt + 1] - keptOffsets[attempt]);
        result->Add(plan.get());
        plan.release();
    }
    return result;
}

std::unique_ptr<CompletePlan> IndexedSearch::BuildAttempt()
{
    Sweep();
    return BuildPlan(sweepPlacements.data(), sweepPlacementCount);
}

bool IndexedSearch::Sweep()
{
    ResetAttempt();
    std::int32_t minute = clockStart;
    bool busy = Scan(minute);
    for (;;) {
        if (eligibleCount == 0) {
            // The clock only runs back while somebody is still working.
            if (!busy)
                break;
            minute = JumpBack(minute);
            busy = EarliestPlanStart() < minute;
            continue;
        }
        int plan = eligible[random.Choose(eligibleCount)];
        int count = CollectCandidates(plan, minute);
        int slot = candidates[random.Choose(count)];
        Place(slot, minute);
        busy = RescanAfterPlacement(slot, minute);
    }
    for (std::size_t plan = 0; plan < plans.size(); ++plan) {
        if (planPlacedCounts[plan] < plans[plan].relationCount)
            return false;
    }
    return true;
}

void IndexedSearch::ResetAttempt()
{
    std::fill(placed.begin(), placed.end(), 0);
    for (RememberedEnd& end : remembered)
        end.known = false;
    std::fill(planKnown.begin(), planKnown.end(), PlanLatestUnknown);
    std::fill(holderCounts.begin(), holderCounts.end(), 0);
    std::fill(planPlacedCounts.begin(), planPlacedCounts.end(), 0);
    for (std::size_t plan = 0; plan < plans.size(); ++plan)
        planStarts[plan] = plans[plan].endTime;
    sweepPlacementCount = 0;
    for (std::size_t plan = 0; plan < plans.size(); ++plan) {
        const PlanIndex& index = plans[plan];
        int* open = openSlots.data() + index.firstRelation;
        openCounts[plan] = 0;
        for (int relation = index.firstRelation; relation < index.firstRelation + index.relationCount; ++relation) {
            if (relationSlots[relation] >= 0)
                open[openCounts[plan]++] = relationSlots[relation];
        }
    }
}

bool IndexedSearch::Scan(std::int32_t minute)
{
    ++scansMade;
    bool busy = false;
    eligibleCount = 0;
    for (int plan = 0; plan < static_cast<int>(plans.size()); ++plan) {
        if (planStarts[plan] < minute)
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
    int previousCount = eligibleCount;
    eligibleCount = 0;
    for (int index = 0; index < previousCount; ++index) {
        int plan = eligible[index];
        bool keep = planStarts[plan] >= minute;
        if (keep && (plan == slots[placedSlot].plan || SharesResource(plan, placedSlot)))
            keep = HasCandidate(plan, minute);
        if (keep)
            eligible[eligibleCount++] = plan;
    }
    return EarliestPlanStart() < minute;
}

bool IndexedSearch::SharesResource(int plan, int slot) const
{
    const TaskSlot& task = slots[slot];
    const unsigned char* uses = planUsesResource.data() + plan * resources.size();
    for (int index = task.firstResource; index < task.firstResource + task.resourceCount; ++index) {
        if (uses[slotResources[index]])
            return true;
    }
    return false;
}

bool IndexedSearch::HasCandidate(int plan, std::int32_t minute) const
{
    const int* open = openSlots.data() + plans[plan].firstRelation;
    for (const int* end = open + openCounts[plan]; open != end; ++open) {
        if (IsCandidate(*open, minute))
            return true;
    }
    return false;
}

int IndexedSearch::CollectCandidates(int plan, std::int32_t minute)
{
    // Relation order, duplicates included: the draw is taken modulo this
    // count.
    int count = 0;
    const int* open = openSlots.data() + plans[plan].firstRelation;
    for (const int* end = open + openCounts[plan]; open != end; ++open) {
        if (IsCandidate(*open, minute))
            candidates[count++] = *open;
    }
    return count;
}

bool IndexedSearch::ArePrecedencesKept(int slot, std::int64_t minute) const
{
    const TaskSlot& task = slots[slot];
    for (int index = task.firstConstraint; index < task.firstConstraint + task.constraintCount; ++index) {
        const Constraint& constraint = constraints[index];
        if (!placed[constraint.laterSlot])
            return false;
        std::int64_t laterStart = starts[constraint.laterSlot];
        if (minute < laterStart - constraint.maximumTime || minute > laterStart - constraint.minimumTime)
            return false;
    }
    return true;
}

bool IndexedSearch::AreResourcesFree(int slot, std::int64_t minute) const
{
    const TaskSlot& task = slots[slot];
    for (int index = task.firstResource; index < task.firstResource + task.resourceCount; ++index) {
        if (LatestFreeEnd(slotResources[index], task.duration, minute) != minute)
            return false;
    }
    return true;
}

std::int64_t IndexedSearch::LatestFreeEnd(int resource, std::int32_t duration, std::int64_t end) const
{
    // A holder that starts before the end and runs past end - duration
    // pushes the end back to its start. Holders come latest start first, so
    // none that was passed can conflict again, and once even the longest
    // holding cannot reach the end, no later holder can.
    std::int64_t reach = Wide(longestHolding[resource]) + duration;
    const int* holder = holders.data() + resourceHolderOffsets[resource];
    for (const int* last = holder + holderCounts[resource]; holder != last; ++holder) {
        std::int64_t start = starts[*holder];
        if (start + reach <= end)
            break;
        if (start < end && end < start + slots[*holder].duration + duration)
            end = start;
    }
    return end;
}

std::int64_t IndexedSearch::LatestPossibleEnd(int slot, std::int64_t low, std::int64_t high) const
{
    const std::int64_t none = low - 1;
    const TaskSlot& task = slots[slot];
    for (int index = task.firstConstraint; index < task.firstConstraint + task.constraintCount; ++index) {
        const Constraint& constraint = constraints[index];
        if (!placed[constraint.laterSlot])
            return none;
        std::int64_t laterStart = starts[constraint.laterSlot];
        high = std::min(high, laterStart - constraint.minimumTime);
        low = std::max(low, laterStart - constraint.maximumTime);
    }
    // Each resource pushes the end back as far as it must; repeat until all
    // of them agree.
    for (bool moved = true; moved && high >= low;) {
        moved = false;
        for (int index = task.firstResource; index < task.firstResource + task.resourceCount && high >= low; ++index) {
            std::int64_t end = LatestFreeEnd(slotResources[index], task.duration, high);
            moved = moved || end != high;
            high = end;
        }
        if (task.resourceCount < 2)
            break;
    }
    return high >= low ? high : none;
}

std::int32_t IndexedSearch::JumpBack(std::int32_t minute)
{
    // Nothing changes while the clock runs back, so the next scan that can
    // place a task is at the latest minute at which a free plan has a
    // candidate; below the earliest start nobody is busy any more.
    ++scansMade;
    std::int64_t best = EarliestPlanStart();
    // Remembered latest ends first: they raise the bar cheaply, and a plan
    // whose remembered bound stays below it needs no recomputing.
    for (int plan = 0; plan < static_cast<int>(plans.size()); ++plan) {
        std::int64_t high = PlanHigh(plan, minute);
        latestEnds[plan] = Unbounded - 1;
        if (high >= best && planKnown[plan] == PlanLatestKnown && planKnownLatestEnds[plan] <= high
            && high <= planKnownUpTo[plan]) {
            latestEnds[plan] = planKnownLatestEnds[plan];
            best = std::max(best, latestEnds[plan]);
        }
    }
    for (int plan = 0; plan < static_cast<int>(plans.size()); ++plan) {
        std::int64_t high = PlanHigh(plan, minute);
        if (high < best || latestEnds[plan] > Unbounded - 1)
            continue;
        bool boundBelow
            = planKnown[plan] == PlanLatestBounded && high <= planKnownUpTo[plan] && planKnownLatestEnds[plan] < best;
        if (boundBelow)
            continue;
        latestEnds[plan] = PlanLatestEnd(plan, high);
        best = std::max(best, latestEnds[plan]);
    }
    eligibleCount = 0;
    for (int plan = 0; plan < static_cast<int>(plans.size()); ++plan) {
        if (latestEnds[plan] == best)
            eligible[eligibleCount++] = plan;
    }
    return static_cast<std::int32_t>(best);
}

std::int64_t IndexedSearch::PlanHigh(int plan, std::int32_t minute) const
{
    return std::min(Wide(minute) - 1, Wide(planStarts[plan]));
}

std::int64_t IndexedSearch::PlanLatestEnd(int plan, std::int64_t high)
{
    if (planKnown[plan] == PlanLatestKnown && planKnownLatestEnds[plan] <= high && high <= planKnownUpTo[plan])
        return planKnownLatestEnds[plan];
    std::int64_t latest = Unbounded - 1;
    const int* open = openSlots.data() + plans[plan].firstRelation;
    for (const int* end = open + openCounts[plan]; open != end; ++open)
        latest = std::max(latest, CachedLatestEnd(*open, high));
    planKnown[plan] = PlanLatestKnown;
    planKnownUpTo[plan] = high;
    planKnownLatestEnds[plan] = latest;
    return latest;
}

void IndexedSearch::ForgetLatestEnds(int placedSlot)
{
    // Only the placing plan's earlier tasks bound by the placed one, and
    // users of its resources whose remembered end the new holding covers,
    // can have another latest end now; the plan's own latest loses the
    // placed task.
    const TaskSlot& task = slots[placedSlot];
    planKnown[task.plan] = PlanLatestUnknown;
    for (int index = boundOffsets[placedSlot]; index < boundOffsets[placedSlot + 1]; ++index)
        remembered[boundSlots[index]].known = false;
    std::int64_t start = starts[placedSlot];
    std::int64_t end = start + task.duration;
    for (int index = task.firstResource; index < task.firstResource + task.resourceCount; ++index) {
        int resource = slotResources[index];
        for (int user = resourceUserOffsets[resource]; user < resourceUserOffsets[resource + 1]; ++user) {
            int slot = resourceUsers[user];
            std::int64_t latest = remembered[slot].latestEnd;
            if (remembered[slot].known && start < latest && latest < end + slots[slot].duration) {
                remembered[slot].known = false;
                // Holders only take minutes away, so the old latest end still
                // bounds the new one.
                unsigned char& state = planKnown[slots[slot].plan];
                if (state == PlanLatestKnown)
                    state = PlanLatestBounded;
            }
        }
    }
}

std::int32_t IndexedSearch::EarliestPlanStart() const
{
    return *std::min_element(planStarts.begin(), planStarts.end());
}

void IndexedSearch::Place(int slot, std::int32_t minute)
{
    const TaskSlot& task = slots[slot];
    std::int32_t start = minute - task.duration;
    placed[slot] = 1;
    starts[slot] = start;
    planStarts[task.plan] = start;
    ++planPlacedCounts[task.plan];
    int* open = openSlots.data() + plans[task.plan].firstRelation;
    int kept = 0;
    for (int index = 0; index < openCounts[task.plan]; ++index) {
        if (open[index] != slot)
            open[kept++] = open[index];
    }
    openCounts[task.plan] = kept;
    for (int index = task.firstResource; index < task.firstResource + task.resourceCount; ++index) {
        int resource = slotResources[index];
        int* first = holders.data() + resourceHolderOffsets[resource];
        int position = holderCounts[resource]++;
        for (; position > 0 && starts[first[position - 1]] < start; --position)
            first[position] = first[position - 1];
        first[position] = slot;
    }
    sweepPlacements[sweepPlacementCount++] = Placement { slot, start };
    ForgetLatestEnds(slot);
}

void IndexedSearch::RecordCompleteAttempt()
{
    keptPlacements.insert(keptPlacements.end(), sweepPlacements.begin(), sweepPlacements.begin() + sweepPlacementCount);
    keptOffsets.push_back(static_cast<int>(keptPlacements.size()));
    keptDelays.push_back(TotalDelayOfSweep());
}

std::int32_t IndexedSearch::TotalDelayOfSweep() const
{
    // Summed with wrap-around like the records' own 32-bit arithmetic.
    std::uint32_t total = 0;
    for (std::size_t plan = 0; plan < plans.size(); ++plan) {
        std::uint32_t delay = static_cast<std::uint32_t>(plans[plan].endTime)
            - static_cast<std::uint32_t>(plans[plan].totalDuration) - static_cast<std::uint32_t>(planStarts[plan]);
        total += delay;
    }
    return static_cast<std::int32_t>(total);
}

std::unique_ptr<CompletePlan> IndexedSearch::BuildPlan(const Placement* placements, int count) const
{
    auto complete = std::make_unique<CompletePlan>();
    for (int plan = 0; plan < static_cast<int>(plans.size()); ++plan) {
        auto personal = std::make_unique<PersonalPlan>(plans[plan].profile);
        // Each placement went to the front, so the last one placed comes
        // first.
        for (int index = count - 1; index >= 0; --index) {
            const TaskSlot& task = slots[placements[index].slot];
            if (task.plan != plan)
                continue;
            auto execution = std::make_unique<TaskExecution>(task.task);
            execution->SetStartTime(placements[index].start);
            personal->GetExecutions().Add(execution.get());
            execution.release();
        }
        complete->GetPersonalPlans().Add(personal.get());
        personal.release();
    }
    return complete;
}

std::vector<int> IndexedSearch::SelectBest() const
{
    // The first passes of the same selection sort the list uses: later
    // passes only reorder what is dropped, so the kept plans and their
    // order are the same.
    int count = static_cast<int>(keptDelays.size());
    std::vector<int> order(count);
    for (int index = 0; index < count; ++index)
        order[index] = index;
    int passes = std::min(count - 1, MaximumPlansKept);
    for (int position = 0; position < passes; ++position) {
        int minimum = position;
        for (int index = position + 1; index < count; ++index) {
            if (keptDelays[order[index]] < keptDelays[order[minimum]])
                minimum = index;
        }
        std::swap(order[position], order[minimum]);
    }
    order.resize(std::min(count, MaximumPlansKept));
    return order;
}
