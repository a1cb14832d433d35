#pragma once

#include "toolbox/ArrayList.h"

#include <cstdint>
#include <memory>
#include <vector>

class CompletePlan;
class PlanRandom;
class Profile;
class Resource;
class Task;

// The backward plan search, drawing the same numbers and returning the same
// plans as the minute-by-minute sweep, but without its cost: the clock jumps
// straight to the next minute at which some free personal plan has a
// candidate, placed tasks and resource holders are kept in flat per-attempt
// indexes, and nothing is allocated inside a sweep. Only the plans that end
// up in the result are built as records.
class IndexedSearch {
public:
    static constexpr int MaximumAttempts = 1000;
    static constexpr int ZeroDelayPlansToStop = 20;
    static constexpr int MaximumPlansKept = 20;

    // Reads the chosen profiles once; they must not change while the search
    // lives.
    IndexedSearch(const toolbox::ArrayList<Profile>& chosenProfiles, PlanRandom& random);
    ~IndexedSearch();
    IndexedSearch(const IndexedSearch&) = delete;
    IndexedSearch& operator=(const IndexedSearch&) = delete;

    // Every attempt of one run, best plans first, at most 20. Never null.
    std::unique_ptr<toolbox::ArrayList<CompletePlan>> Run();

    // One backward sweep; the plan may be incomplete.
    std::unique_ptr<CompletePlan> BuildAttempt();

    // How many attempts the last Run made.
    int GetAttemptsMade() const { return attemptsMade; }

    // How many times the personal plans were examined since construction;
    // the benchmark reports it to show how many clock minutes were skipped.
    long GetScansMade() const { return scansMade; }

private:
    struct TaskSlot {
        int plan;
        Task* task;
        std::int32_t duration;
        int firstResource;
        int resourceCount;
        int firstConstraint;
        int constraintCount;
    };
    struct Constraint {
        int laterSlot;
        std::int32_t minimumTime;
        std::int32_t maximumTime;
    };
    struct PlanIndex {
        Profile* profile;
        std::int32_t endTime;
        std::int32_t totalDuration;
        int firstRelation;
        int relationCount;
        int firstSlot;
        int slotCount;
    };
    enum PlanLatestState : unsigned char { PlanLatestUnknown, PlanLatestKnown, PlanLatestBounded };
    // A slot's latest possible end up to `upTo`, while `known`.
    struct RememberedEnd {
        std::int64_t latestEnd;
        std::int64_t upTo;
        bool known;
    };
    struct Placement {
        int slot;
        std::int32_t start;
    };

    void IndexProfiles(const toolbox::ArrayList<Profile>& chosenProfiles);
    int SlotOf(int plan, const Task* task) const;
    int ResourceIndex(const Resource* resource) const;

    // One sweep over the flat state; answers whether every plan is complete.
    bool Sweep();
    void ResetAttempt();
    bool Scan(std::int32_t minute);
    // After a placement at `minute`: only the placing plan can gain or lose
    // candidates of its own, and other plans can only lose those that need
    // a resource the placed task holds.
    bool RescanAfterPlacement(int placedSlot, std::int32_t minute);
    bool SharesResource(int plan, int slot) const;
    bool HasCandidate(int plan, std::int32_t minute) const;
    int CollectCandidates(int plan, std::int32_t minute);
    bool IsCandidate(int slot, std::int32_t minute) const;
    bool ArePrecedencesKept(int slot, std::int64_t minute) const;
    bool AreResourcesFree(int slot, std::int64_t minute) const;
    // The latest minute up to `end` at which a task of `duration` could end
    // without meeting a holder of `resource`.
    std::int64_t LatestFreeEnd(int resource, std::int32_t duration, std::int64_t end) const;
    // The latest minute in [low, high] at which the slot's task could end,
    // or low - 1 when there is none.
    std::int64_t LatestPossibleEnd(int slot, std::int64_t low, std::int64_t high) const;
    // Moves the clock back to the next minute at which a scan would find an
    // eligible plan, or to the earliest start, and fills the eligible plans.
    std::int32_t JumpBack(std::int32_t minute);
    // LatestPossibleEnd without a lower bound, remembered until a placement
    // in the slot's plan or on one of its resources changes it.
    std::int64_t CachedLatestEnd(int slot, std::int64_t high);
    // The latest of the plan's unplaced slots, remembered the same way.
    std::int64_t PlanLatestEnd(int plan, std::int64_t high);
    // The latest minute below `minute` at which the plan is free.
    std::int64_t PlanHigh(int plan, std::int32_t minute) const;
    void ForgetLatestEnds(int placedSlot);
    std::int32_t EarliestPlanStart() const;
    void Place(int slot, std::int32_t minute);

    void RecordCompleteAttempt();
    std::int32_t TotalDelayOfSweep() const;
    std::unique_ptr<CompletePlan> BuildPlan(const Placement* placements, int count) const;
    std::vector<int> SelectBest() const;

    PlanRandom& random;
    int attemptsMade = 0;
    long scansMade = 0;
    std::int32_t clockStart = 0;

    std::vector<PlanIndex> plans;
    std::vector<TaskSlot> slots;
    std::vector<int> relationSlots;
    std::vector<Constraint> constraints;
    std::vector<int> slotResources;
    std::vector<const Resource*> resources;
    std::vector<int> resourceHolderOffsets;
    std::vector<std::int32_t> longestHolding;
    std::vector<int> resourceUserOffsets;
    std::vector<int> resourceUsers;
    // Per slot, the slots whose precedences name it as the later task.
    std::vector<int> boundOffsets;
    std::vector<int> boundSlots;

    // State of the current sweep, sized once.
    std::vector<unsigned char> placed;
    std::vector<std::int32_t> starts;
    std::vector<std::int32_t> planStarts;
    std::vector<int> planPlacedCounts;
    // Per resource, the placed slots that hold it, latest start first.
    std::vector<int> holders;
    std::vector<int> holderCounts;
    std::vector<int> eligible;
    std::vector<std::int64_t> latestEnds;
    std::vector<RememberedEnd> remembered;
    std::vector<std::int64_t> planKnownLatestEnds;
    std::vector<std::int64_t> planKnownUpTo;
    std::vector<unsigned char> planKnown;
    std::vector<unsigned char> planUsesResource;
    int eligibleCount = 0;
    std::vector<int> candidates;
    // Per plan, at its first relation: the slots not placed yet, in relation
    // order, repeated as the relations repeat them.
    std::vector<int> openSlots;
    std::vector<int> openCounts;
    std::vector<Placement> sweepPlacements;
    int sweepPlacementCount = 0;

    // Complete attempts of the current run, kept compact until the best are
    // known.
    std::vector<Placement> keptPlacements;
    std::vector<int> keptOffsets;
    std::vector<std::int32_t> keptDelays;
};
