#pragma once

#include "planning/ClockJump.h"
#include "planning/KeptAttempts.h"
#include "planning/LatestEnds.h"
#include "planning/SearchIndex.h"
#include "planning/SweepState.h"
#include "toolbox/ArrayList.h"

#include <cstdint>
#include <memory>
#include <vector>

class CompletePlan;
class PlanRandom;
class Profile;

// The backward plan search, drawing the same numbers and returning the same
// plans as the minute-by-minute sweep, but without its cost: the clock jumps
// straight to the next minute at which some free personal plan has a
// candidate. It reads the chosen profiles once into a search index, keeps
// each sweep in a sweep state with the latest ends it has worked out, and
// builds records only for the plans that end up in the result.
class IndexedSearch {
public:
    // Reads the chosen profiles once; they must not change while the search
    // lives.
    IndexedSearch(const toolbox::ArrayList<Profile>& chosenProfiles, PlanRandom& random);
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
    // One sweep; answers whether every plan is complete.
    bool Sweep();
    // Fills the plans eligible at `minute`; answers whether some plan is
    // busy then.
    bool Scan(std::int32_t minute);
    // After a placement at `minute`: only the placing plan can gain or lose
    // candidates of its own, and other plans can only lose those that need
    // a resource the placed task holds.
    bool RescanAfterPlacement(int placedSlot, std::int32_t minute);
    bool HasCandidate(int plan, std::int32_t minute);
    // Fills the candidate positions; answers how many there are.
    int CollectCandidates(int plan, std::int32_t minute);

    PlanRandom& random;
    int attemptsMade = 0;
    long scansMade = 0;

    const SearchIndex index;
    SweepState state;
    LatestEnds latestEnds;
    ClockJump clockJump;
    KeptAttempts kept;
    // Work lists of one scan, sized once.
    std::vector<int> eligible;
    int eligibleCount = 0;
    // Where the candidates are among the open slots of the chosen plan.
    std::vector<int> candidatePositions;
};
