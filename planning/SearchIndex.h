#pragma once

#include "toolbox/ArrayList.h"

#include <cstdint>
#include <span>
#include <vector>

class Profile;
class Resource;
class Task;

// What one run of the indexed search reads from the chosen profiles, built
// once when the run starts and unchanged while it lasts: a plan per chosen
// profile, a slot per distinct task a plan executes, and flat tables of the
// slots' precedences and resources, all addressed by number so that a sweep
// never allocates. Refers to the model's profiles and tasks without owning
// them; they must not change while the index lives. Every query is a lookup
// in constant time.
class SearchIndex {
public:
    struct Plan {
        Profile* profile;
        std::int32_t endTime;
        std::int64_t totalDuration;
        int relationCount;
    };
    struct Slot {
        int plan;
        Task* task;
        std::int32_t duration;
        // More than one relation of the plan names the task.
        bool repeated;
    };
    // The slot that names this entry must end between `maximumTime` and
    // `minimumTime` minutes before `laterSlot` starts; a relation without a
    // task gives -1, which no placement can satisfy.
    struct Constraint {
        int laterSlot;
        std::int32_t minimumTime;
        std::int32_t maximumTime;
    };

    explicit SearchIndex(const toolbox::ArrayList<Profile>& chosenProfiles);

    int GetPlanCount() const { return static_cast<int>(plans.size()); }
    int GetSlotCount() const { return static_cast<int>(slots.size()); }
    int GetResourceCount() const { return static_cast<int>(resources.size()); }
    const Plan& GetPlan(int plan) const { return plans[plan]; }
    const Slot& GetSlot(int slot) const { return slots[slot]; }

    // Where every sweep starts: the latest end time, but not below 0.
    std::int32_t GetClockStart() const { return clockStart; }

    // The plan's relations in list order, each as the slot of its task, so a
    // repeated relation repeats its slot; -1 for a relation without a task.
    std::span<const int> GetRelationSlots(int plan) const { return Range(relationSlots, relationOffsets, plan); }
    // The precedences in which the slot's task is the earlier one, one for
    // each relation of the plan that names it, in relation order.
    std::span<const Constraint> GetConstraints(int slot) const { return Range(constraints, constraintOffsets, slot); }
    // The slots whose constraints name `slot` as the later one.
    std::span<const int> GetBoundSlots(int slot) const { return Range(boundSlots, boundOffsets, slot); }
    // The distinct resources the slot's task holds while it runs.
    std::span<const int> GetResources(int slot) const { return Range(slotResources, resourceOffsets, slot); }
    // Every slot that holds `resource`.
    std::span<const int> GetUsers(int resource) const { return Range(resourceUsers, userOffsets, resource); }
    // The longest duration of the resource's users.
    std::int32_t GetLongestHolding(int resource) const { return longestHolding[resource]; }
    // Whether a task of the plan holds one of the resources `slot` holds.
    bool SharesResource(int plan, int slot) const;

private:
    template <typename T>
    static std::span<const T> Range(const std::vector<T>& values, const std::vector<int>& offsets, int index)
    {
        return std::span<const T>(values).subspan(offsets[index], offsets[index + 1] - offsets[index]);
    }

    void AddPlan(Profile* profile);
    int SlotOf(int plan, const Task* task) const;
    void IndexResources();
    void IndexConstraints();
    void IndexBounds();
    int ResourceNumber(const Resource* resource) const;

    std::int32_t clockStart = 0;
    std::vector<Plan> plans;
    std::vector<Slot> slots;
    std::vector<int> planSlotOffsets { 0 };
    std::vector<int> relationSlots;
    std::vector<int> relationOffsets { 0 };
    std::vector<Constraint> constraints;
    std::vector<int> constraintOffsets { 0 };
    std::vector<int> boundSlots;
    std::vector<int> boundOffsets;
    std::vector<const Resource*> resources;
    std::vector<int> slotResources;
    std::vector<int> resourceOffsets { 0 };
    std::vector<int> resourceUsers;
    std::vector<int> userOffsets;
    std::vector<std::int32_t> longestHolding;
    // Per plan, a flag per resource.
    std::vector<unsigned char> planUsesResource;
};
