#include "planning/SearchIndex.h"

#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Task.h"

#include <algorithm>
#include <cassert>

namespace {

// Appends each group's values in turn and records where each group ends.
template <typename T>
void Flatten(const std::vector<std::vector<T>>& groups, std::vector<T>& values, std::vector<int>& offsets)
{
    offsets.assign(1, static_cast<int>(values.size()));
    for (const std::vector<T>& group : groups) {
        values.insert(values.end(), group.begin(), group.end());
        offsets.push_back(static_cast<int>(values.size()));
    }
}

} // namespace

SearchIndex::SearchIndex(const toolbox::ArrayList<Profile>& chosenProfiles)
{
    for (Profile* profile : chosenProfiles)
        AddPlan(profile);
    IndexResources();
    IndexConstraints();
    IndexBounds();
}

void SearchIndex::AddPlan(Profile* profile)
{
    int plan = GetPlanCount();
    plans.push_back(Plan {
        profile, profile->GetEndTime(), profile->GetTotalDuration(), profile->GetPrecedenceRelations().GetCount() });
    clockStart = std::max(clockStart, profile->GetEndTime());
    for (const PrecedenceRelation* relation : profile->GetPrecedenceRelations()) {
        Task* task = relation->GetTask();
        int slot = task ? SlotOf(plan, task) : -1;
        if (slot >= 0)
            slots[slot].repeated = true;
        if (task && slot < 0) {
            slot = GetSlotCount();
            slots.push_back(Slot { plan, task, task->GetDuration(), false });
        }
        relationSlots.push_back(slot);
    }
    relationOffsets.push_back(static_cast<int>(relationSlots.size()));
    planSlotOffsets.push_back(GetSlotCount());
}

int SearchIndex::SlotOf(int plan, const Task* task) const
{
    // While the plan is being added, its slots run to the end.
    int end = plan + 1 < static_cast<int>(planSlotOffsets.size()) ? planSlotOffsets[plan + 1] : GetSlotCount();
    for (int slot = planSlotOffsets[plan]; slot < end; ++slot) {
        if (slots[slot].task == task)
            return slot;
    }
    return -1;
}

void SearchIndex::IndexResources()
{
    for (const Slot& slot : slots) {
        for (const Resource* resource : slot.task->GetRequiredResources())
            resources.push_back(resource);
    }
    std::sort(resources.begin(), resources.end());
    resources.erase(std::unique(resources.begin(), resources.end()), resources.end());

    std::vector<std::vector<int>> held(slots.size());
    std::vector<std::vector<int>> users(resources.size());
    longestHolding.assign(resources.size(), 0);
    planUsesResource.assign(plans.size() * resources.size(), 0);
    for (int slot = 0; slot < GetSlotCount(); ++slot) {
        for (const Resource* required : slots[slot].task->GetRequiredResources()) {
            int resource = ResourceNumber(required);
            // A resource listed twice is held once.
            if (std::find(held[slot].begin(), held[slot].end(), resource) != held[slot].end())
                continue;
            held[slot].push_back(resource);
            std::int32_t duration = slots[slot].duration;
            if (users[resource].empty() || duration > longestHolding[resource])
                longestHolding[resource] = duration;
            users[resource].push_back(slot);
            planUsesResource[slots[slot].plan * resources.size() + resource] = 1;
        }
    }
    Flatten(held, slotResources, resourceOffsets);
    Flatten(users, resourceUsers, userOffsets);
}

void SearchIndex::IndexConstraints()
{
    std::vector<std::vector<Constraint>> earlier(slots.size());
    for (int slot = 0; slot < GetSlotCount(); ++slot) {
        const Slot& task = slots[slot];
        for (const PrecedenceRelation* relation : plans[task.plan].profile->GetPrecedenceRelations()) {
            const PrecedentTask* entry = relation->FindPrecedent(task.task);
            if (!entry)
                continue;
            earlier[slot].push_back(Constraint {
                SlotOf(task.plan, relation->GetTask()), entry->GetMinimumTime(), entry->GetMaximumTime() });
        }
    }
    Flatten(earlier, constraints, constraintOffsets);
}

void SearchIndex::IndexBounds()
{
    std::vector<std::vector<int>> bound(slots.size());
    for (int slot = 0; slot < GetSlotCount(); ++slot) {
        for (const Constraint& constraint : GetConstraints(slot)) {
            if (constraint.laterSlot >= 0)
                bound[constraint.laterSlot].push_back(slot);
        }
    }
    Flatten(bound, boundSlots, boundOffsets);
}

int SearchIndex::ResourceNumber(const Resource* resource) const
{
    auto found = std::lower_bound(resources.begin(), resources.end(), resource);
    assert(found != resources.end() && *found == resource);
    return static_cast<int>(found - resources.begin());
}

bool SearchIndex::SharesResource(int plan, int slot) const
{
    const unsigned char* uses = planUsesResource.data() + plan * resources.size();
    for (int resource : GetResources(slot)) {
        if (uses[resource])
            return true;
    }
    return false;
}
