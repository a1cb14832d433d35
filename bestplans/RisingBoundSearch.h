#pragma once

#include "bestplans/ScheduleSpace.h"

#include <gecode/search.hh>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class TurnStop;

// Proves the least delay from below: branch and bound over a narrow range
// of delays just above those known to be impossible, then, while a range
// holds no plan, over the next range, twice as wide. The first range that
// holds a plan holds the best; a range starting at or above the best plan
// learnt proves that plan best. Strong where the least delay lies near what
// the constraints show at once, which loose bounds from above do not see.
class RisingBoundSearch {
public:
    using RootMaker = std::function<std::unique_ptr<ScheduleSpace>()>;

    RisingBoundSearch(RootMaker makeRoot, TurnStop& turn);
    ~RisingBoundSearch();

    // A better plan, or null once the turn is over or the best is proven.
    std::unique_ptr<ScheduleSpace> Next();
    // Whether no plan better than the best found or learnt exists.
    bool HasProvenBest() const { return provenBest; }
    void Learn(const ScheduleSpace& better);

private:
    // False when no range is left below the best plan known.
    bool StartRange();

    RootMaker makeRoot;
    TurnStop& turn;
    std::optional<std::int64_t> lowest;
    std::int64_t width = 0;
    std::int64_t highest = 0;
    std::optional<std::int64_t> bestDelay;
    std::unique_ptr<Gecode::Search::Engine> engine;
    bool foundInRange = false;
    bool provenBest = false;
};
