#pragma once

#include <cstdint>
#include <span>
#include <vector>

class SearchIndex;

// One task placed by a sweep: its slot in the search index and its start.
struct Placement {
    int slot;
    std::int32_t start;
};

// The placements of one backward sweep over a search index: which slots are
// placed and where, each plan's start, the holders of every resource, and
// each plan's slots still open. Sized once from the index and reset for
// every sweep, so that a sweep allocates nothing. Reading is constant time;
// a placement costs the plan's open slots and the holders it passes.
class SweepState {
public:
    explicit SweepState(const SearchIndex& index);

    void Reset();
    // Places the open slot's task so that it ends at `end`; its start must
    // fit in 32 bits.
    void Place(int slot, std::int32_t end);
    // The same for the slot at `position` among the plan's open slots,
    // which saves looking for it.
    void PlaceOpenSlot(int plan, int position, std::int32_t end);

    bool IsPlaced(int slot) const { return placed[slot] != 0; }
    std::int32_t GetStart(int slot) const { return starts[slot]; }
    // The start of the plan's earliest placement, or its end time while it
    // has none.
    std::int32_t GetPlanStart(int plan) const { return planStarts[plan]; }
    std::int32_t GetEarliestPlanStart() const { return earliestPlanStart; }
    // Whether each plan has placed as many tasks as its profile has relations.
    bool IsComplete() const;
    // The sum of the plans' delays, exact.
    std::int64_t GetTotalDelay() const;

    // The plan's slots not placed yet, in relation order, repeated as the
    // relations repeat them.
    std::span<const int> GetOpenSlots(int plan) const
    {
        return std::span(openSlots).subspan(openOffsets[plan], openCounts[plan]);
    }
    // The placed slots that hold `resource`, latest start first.
    std::span<const int> GetHolders(int resource) const
    {
        return std::span(holders).subspan(holderOffsets[resource], holderCounts[resource]);
    }
    // Every placement of the sweep in the order they were made.
    std::span<const Placement> GetPlacements() const { return std::span(placements).first(placementCount); }

private:
    void SetPlanStart(int plan, std::int32_t start);
    void RemoveOpenSlot(int plan, int position);
    void AddHolder(int resource, int slot);

    const SearchIndex& index;
    std::vector<unsigned char> placed;
    std::vector<std::int32_t> starts;
    std::vector<std::int32_t> planStarts;
    std::vector<int> planPlacedCounts;
    std::int32_t earliestPlanStart = 0;
    // Per plan, starting at its first relation.
    std::vector<int> openSlots;
    std::vector<int> openCounts;
    std::vector<int> openOffsets;
    // Per resource, as many entries as it has users.
    std::vector<int> holders;
    std::vector<int> holderCounts;
    std::vector<int> holderOffsets;
    std::vector<Placement> placements;
    int placementCount = 0;
};
