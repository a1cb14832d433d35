#include "planning/SweepState.h"

#include "planning/Minutes.h"
#include "planning/PersonalPlan.h"
#include "planning/SearchIndex.h"

#include <algorithm>
#include <cassert>
#include <limits>

SweepState::SweepState(const SearchIndex& searchIndex)
    : index(searchIndex)
    , placed(index.GetSlotCount(), 0)
    , starts(index.GetSlotCount(), 0)
    , planStarts(index.GetPlanCount(), 0)
    , planPlacedCounts(index.GetPlanCount(), 0)
    , openCounts(index.GetPlanCount(), 0)
    , holderCounts(index.GetResourceCount(), 0)
    , placements(index.GetSlotCount(), Placement { 0, 0 })
{
    openOffsets.push_back(0);
    for (int plan = 0; plan < index.GetPlanCount(); ++plan)
        openOffsets.push_back(openOffsets.back() + static_cast<int>(index.GetRelationSlots(plan).size()));
    openSlots.assign(openOffsets.back(), 0);
    holderOffsets.push_back(0);
    for (int resource = 0; resource < index.GetResourceCount(); ++resource)
        holderOffsets.push_back(holderOffsets.back() + static_cast<int>(index.GetUsers(resource).size()));
    holders.assign(holderOffsets.back(), 0);
}

void SweepState::Reset()
{
    std::fill(placed.begin(), placed.end(), 0);
    std::fill(planPlacedCounts.begin(), planPlacedCounts.end(), 0);
    std::fill(holderCounts.begin(), holderCounts.end(), 0);
    placementCount = 0;
    earliestPlanStart = std::numeric_limits<std::int32_t>::max();
    for (int plan = 0; plan < index.GetPlanCount(); ++plan) {
        planStarts[plan] = index.GetPlan(plan).endTime;
        earliestPlanStart = std::min(earliestPlanStart, planStarts[plan]);
        int* open = openSlots.data() + openOffsets[plan];
        openCounts[plan] = 0;
        for (int slot : index.GetRelationSlots(plan)) {
            if (slot >= 0)
                open[openCounts[plan]++] = slot;
        }
    }
}

void SweepState::Place(int slot, std::int32_t end)
{
    int plan = index.GetSlot(slot).plan;
    std::span<const int> open = GetOpenSlots(plan);
    auto found = std::find(open.begin(), open.end(), slot);
    assert(found != open.end());
    PlaceOpenSlot(plan, static_cast<int>(found - open.begin()), end);
}

void SweepState::PlaceOpenSlot(int plan, int position, std::int32_t end)
{
    int slot = GetOpenSlots(plan)[position];
    std::int64_t wideStart = std::int64_t { end } - index.GetSlot(slot).duration;
    assert(!placed[slot] && Minutes::Fits(wideStart));
    std::int32_t start = static_cast<std::int32_t>(wideStart);
    placed[slot] = 1;
    starts[slot] = start;
    SetPlanStart(plan, start);
    ++planPlacedCounts[plan];
    RemoveOpenSlot(plan, position);
    for (int resource : index.GetResources(slot))
        AddHolder(resource, slot);
    placements[placementCount++] = Placement { slot, start };
}

void SweepState::SetPlanStart(int plan, std::int32_t start)
{
    // A task of negative duration starts after it ends, so a plan's start
    // can also move later.
    bool wasEarliest = planStarts[plan] == earliestPlanStart;
    planStarts[plan] = start;
    if (start <= earliestPlanStart)
        earliestPlanStart = start;
    else if (wasEarliest)
        earliestPlanStart = *std::min_element(planStarts.begin(), planStarts.end());
}

void SweepState::RemoveOpenSlot(int plan, int position)
{
    int* first = openSlots.data() + openOffsets[plan];
    int* last = first + openCounts[plan];
    int slot = first[position];
    // Only a repeated relation puts a slot into the list more than once.
    if (!index.GetSlot(slot).repeated) {
        std::copy(first + position + 1, last, first + position);
        --openCounts[plan];
        return;
    }
    int* kept = std::remove(first, last, slot);
    openCounts[plan] = static_cast<int>(kept - first);
}

void SweepState::AddHolder(int resource, int slot)
{
    // Latest start first; among equal starts the earlier placement first.
    int* first = holders.data() + holderOffsets[resource];
    int place = holderCounts[resource]++;
    for (; place > 0 && starts[first[place - 1]] < starts[slot]; --place)
        first[place] = first[place - 1];
    first[place] = slot;
}

bool SweepState::IsComplete() const
{
    for (int plan = 0; plan < index.GetPlanCount(); ++plan) {
        if (planPlacedCounts[plan] < index.GetPlan(plan).relationCount)
            return false;
    }
    return true;
}

std::int64_t SweepState::GetTotalDelay() const
{
    std::int64_t total = 0;
    for (int plan = 0; plan < index.GetPlanCount(); ++plan) {
        const SearchIndex::Plan& planned = index.GetPlan(plan);
        total += PersonalPlan::DelayOf(planned.endTime, planned.totalDuration, planStarts[plan]);
    }
    return total;
}
