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
    eligible.assign(plans.size(), 0);
    candidates.assign(relationSlots.size(), 0);
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
    for (;;) {
        bool busy = Scan(minute);
        if (eligibleCount == 0) {
            // The clock only runs back while somebody is still working.
            if (!busy)
                break;
            minute = NextInterestingMinute(minute, EarliestPlanStart());
            continue;
        }
        int plan = eligible[random.Choose(eligibleCount)];
        int count = CollectCandidates(plan, minute);
        Place(candidates[random.Choose(count)], minute);
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
    std::fill(holderCounts.begin(), holderCounts.end(), 0);
    std::fill(planPlacedCounts.begin(), planPlacedCounts.end(), 0);
    for (std::size_t plan = 0; plan < plans.size(); ++plan)
        planStarts[plan] = plans[plan].endTime;
    sweepPlacementCount = 0;
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

bool IndexedSearch::HasCandidate(int plan, std::int32_t minute) const
{
    const PlanIndex& index = plans[plan];
    for (int slot = index.firstSlot; slot < index.firstSlot + index.slotCount; ++slot) {
        if (IsCandidate(slot, minute))
            return true;
    }
    return false;
}

int IndexedSearch::CollectCandidates(int plan, std::int32_t minute)
{
    // Relation order, duplicates included: the draw is taken modulo this
    // count.
    const PlanIndex& index = plans[plan];
    int count = 0;
    for (int relation = index.firstRelation; relation < index.firstRelation + index.relationCount; ++relation) {
        int slot = relationSlots[relation];
        if (slot >= 0 && IsCandidate(slot, minute))
            candidates[count++] = slot;
    }
    return count;
}

bool IndexedSearch::IsCandidate(int slot, std::int32_t minute) const
{
    return !placed[slot] && ArePrecedencesKept(slot, minute) && AreResourcesFree(slot, minute);
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
    std::int64_t from = minute - task.duration;
    for (int index = task.firstResource; index < task.firstResource + task.resourceCount; ++index) {
        int resource = slotResources[index];
        const int* holder = holders.data() + resourceHolderOffsets[resource];
        for (const int* end = holder + holderCounts[resource]; holder != end; ++holder) {
            std::int64_t start = starts[*holder];
            if (start < minute && start + slots[*holder].duration > from)
                return false;
        }
    }
    return true;
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
    // A holder of a shared resource running over the end pushes the end back
    // to the holder's start; each holder can push at most once.
    for (bool moved = high >= low; moved && high >= low;) {
        moved = false;
        for (int index = task.firstResource; index < task.firstResource + task.resourceCount; ++index) {
            int resource = slotResources[index];
            const int* holder = holders.data() + resourceHolderOffsets[resource];
            for (const int* end = holder + holderCounts[resource]; holder != end; ++holder) {
                std::int64_t start = starts[*holder];
                if (start < high && high < start + slots[*holder].duration + task.duration) {
                    high = start;
                    moved = true;
                }
            }
        }
    }
    return high >= low ? high : none;
}

std::int32_t IndexedSearch::NextInterestingMinute(std::int32_t minute, std::int32_t earliestStart) const
{
    // Nothing changes while the clock runs back, so the next scan that can
    // place a task is at the latest minute at which a free plan has a
    // candidate; below the earliest start nobody is busy any more.
    std::int64_t best = earliestStart;
    for (int plan = 0; plan < static_cast<int>(plans.size()); ++plan) {
        std::int64_t high = std::min(Wide(minute) - 1, Wide(planStarts[plan]));
        if (high <= best)
            continue;
        const PlanIndex& index = plans[plan];
        for (int slot = index.firstSlot; slot < index.firstSlot + index.slotCount; ++slot) {
            if (!placed[slot])
                best = std::max(best, LatestPossibleEnd(slot, best + 1, high));
        }
    }
    return static_cast<std::int32_t>(best);
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
    for (int index = task.firstResource; index < task.firstResource + task.resourceCount; ++index) {
        int resource = slotResources[index];
        holders[resourceHolderOffsets[resource] + holderCounts[resource]++] = slot;
    }
    sweepPlacements[sweepPlacementCount++] = Placement { slot, start };
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
