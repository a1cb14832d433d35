#pragma once

#include <cstdint>
#include <vector>

class PlanProblem;

// The minutes within which the search looks for starts: from one lowest
// start for all executions up to each execution's latest start (its
// profile's end time minus its duration). Times are unbounded below, so the
// lower end is chosen low enough never to cut off a best plan.
class Horizon {
public:
    explicit Horizon(const PlanProblem& problem);

    std::int64_t GetLowestStart() const { return lowestStart; }
    std::int64_t GetLatestStart(int execution) const { return latestStarts[execution]; }
    // The widest distance between two starts of the window.
    std::int64_t GetSpan() const { return span; }
    // The total delay of a plan whose every profile starts at the lowest
    // start; no plan within the window has more.
    std::int64_t GetHighestDelay() const { return highestDelay; }
    // The total delay if every profile could start at its latest start.
    std::int64_t GetLowestDelay() const { return lowestDelay; }

    // Whether every number of the search, the total delay included, stays
    // within the solver's integer range.
    bool Fits() const;

private:
    std::int64_t lowestStart = 0;
    std::int64_t span = 0;
    std::int64_t highestDelay = 0;
    std::int64_t lowestDelay = 0;
    std::vector<std::int64_t> latestStarts;
};
