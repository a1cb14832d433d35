#pragma once

#include "bestplans/ScheduleSpace.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class TurnStop;

// Large neighbourhood search around the best plan known: again and again,
// keeps the best plan's orders except around a neighbourhood picked at
// random and looks, within a few nodes, for a better plan there; the
// neighbourhoods grow while they hold nothing better and shrink while they
// are too large to search. It improves a plan quickly but never proves one
// best, and needs a plan to start from.
class NeighbourhoodSearch {
public:
    // The root must branch on orders first.
    NeighbourhoodSearch(std::unique_ptr<ScheduleSpace> root, TurnStop& turn);
    ~NeighbourhoodSearch();

    // A plan better than the best learnt, or null once the turn is over or
    // while there is nothing to improve on.
    std::unique_ptr<ScheduleSpace> Next();
    void Learn(const ScheduleSpace& best);

private:
    std::unique_ptr<ScheduleSpace> root;
    TurnStop& turn;
    Gecode::Rnd random;
    ScheduleSpace::Orders bestOrders;
    std::optional<std::int64_t> bestDelay;
    int size = 1;
};
