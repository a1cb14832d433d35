#pragma once

#include "planning/SweepState.h"
#include "toolbox/ArrayList.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class CompletePlan;
class SearchIndex;

// The complete attempts of one run, kept as their placements and total
// delays until the run is over; only the best become plan records. Keeping
// an attempt costs its placements; choosing the best costs the number of
// plans kept times the number of attempts.
class KeptAttempts {
public:
    void Clear();
    void Keep(std::span<const Placement> placements, std::int64_t totalDelay);
    int GetCount() const { return static_cast<int>(totalDelays.size()); }

    // The best attempts as plans, at most as many as a run keeps, in the
    // order in which sorting every complete attempt by delay would leave them.
    std::unique_ptr<toolbox::ArrayList<CompletePlan>> BuildBest(const SearchIndex& index) const;

    // The records of one attempt: a personal plan per plan of the index,
    // each with its executions in ascending order of start.
    static std::unique_ptr<CompletePlan> BuildPlan(const SearchIndex& index, std::span<const Placement> placements);

private:
    std::vector<int> SelectBest() const;
    std::span<const Placement> PlacementsOf(int attempt) const;

    std::vector<Placement> placements;
    std::vector<int> offsets { 0 };
    std::vector<std::int64_t> totalDelays;
};
