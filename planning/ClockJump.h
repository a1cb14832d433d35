#pragma once

#include <cstdint>
#include <span>
#include <vector>

class LatestEnds;
class SweepState;

// Where the clock of a sweep goes when no plan is eligible: to the latest
// minute at which a free plan has a candidate, or to the earliest start.
// Keeps each plan's latest end from one jump to the next until a placement
// changes it, so that a jump looks again only at the plans that changed.
// Reads the sweep state and the latest ends; reset with every sweep.
class ClockJump {
public:
    ClockJump(int planCount, const SweepState& state, LatestEnds& latestEnds);

    void Reset();
    // The plan was placed in, so its latest end must be found again.
    void Forget(int plan);

    // The next minute below `minute` at which a scan would find an eligible
    // plan, or the earliest start.
    std::int32_t Jump(std::int32_t minute);
    // The plans eligible at the minute of the last jump, in plan order;
    // answers how many.
    int CollectEligible(std::span<int> eligible) const;

private:
    const SweepState& state;
    LatestEnds& latestEnds;
    // Per plan, its latest end as the last jump found it; Forgotten while
    // the plan is stale.
    std::vector<std::int64_t> planLatestEnds;
    std::vector<int> stalePlans;
    int staleCount = 0;
    std::vector<unsigned char> isStale;
    std::int64_t landing = 0;
};
