#include "planning/KeptAttempts.h"

#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/SearchIndex.h"
#include "planning/SearchLimits.h"
#include "planning/TaskExecution.h"
#include "toolbox/NewOwned.h"

#include <algorithm>

void KeptAttempts::Clear()
{
    placements.clear();
    offsets.assign(1, 0);
    totalDelays.clear();
}

void KeptAttempts::Keep(std::span<const Placement> attempt, std::int64_t totalDelay)
{
    placements.insert(placements.end(), attempt.begin(), attempt.end());
    offsets.push_back(static_cast<int>(placements.size()));
    totalDelays.push_back(totalDelay);
}

std::unique_ptr<toolbox::ArrayList<CompletePlan>> KeptAttempts::BuildBest(const SearchIndex& index) const
{
    auto result = std::make_unique<toolbox::ArrayList<CompletePlan>>();
    for (int attempt : SelectBest())
        toolbox::AddOwned(*result, BuildPlan(index, PlacementsOf(attempt)));
    return result;
}

std::unique_ptr<CompletePlan> KeptAttempts::BuildPlan(const SearchIndex& index, std::span<const Placement> placements)
{
    auto complete = std::make_unique<CompletePlan>();
    toolbox::ArrayList<PersonalPlan>& personalPlans = complete->GetPersonalPlans();
    for (int plan = 0; plan < index.GetPlanCount(); ++plan)
        toolbox::AddOwned(personalPlans, std::make_unique<PersonalPlan>(index.GetPlan(plan).profile));
    // Each placement went to the front of its plan, so the last one placed
    // comes first.
    for (auto placement = placements.rbegin(); placement != placements.rend(); ++placement) {
        const SearchIndex::Slot& slot = index.GetSlot(placement->slot);
        auto execution = std::make_unique<TaskExecution>(slot.task);
        execution->SetStartTime(placement->start);
        toolbox::AddOwned(personalPlans.Get(slot.plan)->GetExecutions(), std::move(execution));
    }
    return complete;
}

std::vector<int> KeptAttempts::SelectBest() const
{
    // The first passes of the same selection sort the list uses: later
    // passes only reorder what is dropped, so the kept plans and their
    // order are the same.
    int count = GetCount();
    std::vector<int> order(count);
    for (int index = 0; index < count; ++index)
        order[index] = index;
    int passes = std::min(count - 1, SearchLimits::MaximumPlansKept);
    for (int position = 0; position < passes; ++position) {
        int minimum = position;
        for (int index = position + 1; index < count; ++index) {
            if (totalDelays[order[index]] < totalDelays[order[minimum]])
                minimum = index;
        }
        std::swap(order[position], order[minimum]);
    }
    order.resize(std::min(count, SearchLimits::MaximumPlansKept));
    return order;
}

std::span<const Placement> KeptAttempts::PlacementsOf(int attempt) const
{
    return std::span(placements).subspan(offsets[attempt], offsets[attempt + 1] - offsets[attempt]);
}
