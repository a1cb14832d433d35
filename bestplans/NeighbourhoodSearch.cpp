#include "bestplans/NeighbourhoodSearch.h"

#include "bestplans/TurnStop.h"

#include <algorithm>
#include <limits>

namespace {

// Any fixed number: runs repeat exactly.
constexpr unsigned int Seed = 20261208;
constexpr unsigned long NodesPerNeighbourhood = 500;

// Gives up a neighbourhood after its nodes, as well as at the end of the turn.
class NeighbourhoodStop : public Gecode::Search::Stop {
public:
    explicit NeighbourhoodStop(TurnStop& turn)
        : turn(turn)
    {
    }

    bool stop(const Gecode::Search::Statistics& statistics, const Gecode::Search::Options& options) override
    {
        return turn.stop(statistics, options) || ++nodes > NodesPerNeighbourhood;
    }

private:
    TurnStop& turn;
    unsigned long nodes = 0;
};

} // namespace

NeighbourhoodSearch::NeighbourhoodSearch(std::unique_ptr<ScheduleSpace> root, TurnStop& turn)
    : root(std::move(root))
    , turn(turn)
    , random(Seed)
{
    this->root->status();
}

NeighbourhoodSearch::~NeighbourhoodSearch() = default;

std::unique_ptr<ScheduleSpace> NeighbourhoodSearch::Next()
{
    if (root->failed())
        return nullptr;
    while (bestDelay && !turn.IsOver()) {
        std::unique_ptr<ScheduleSpace> space(static_cast<ScheduleSpace*>(root->clone()));
        space->KeepOrdersAround(bestOrders, size, random);
        space->LimitDelay(std::numeric_limits<std::int64_t>::min(), *bestDelay - 1);
        NeighbourhoodStop stop(turn);
        Gecode::Search::Options options;
        options.stop = &stop;
        options.clone = false;
        Gecode::DFS<ScheduleSpace> engine(space.release(), options);
        if (ScheduleSpace* better = engine.next()) {
            Learn(*better);
            return std::unique_ptr<ScheduleSpace>(better);
        }
        if (turn.IsOver())
            break;
        // A neighbourhood without a better plan was too small; one that
        // ran out of nodes, too large to search.
        size = std::clamp(size + (engine.stopped() ? -1 : 1), 1, root->GetLargestNeighbourhood());
    }
    return nullptr;
}

void NeighbourhoodSearch::Learn(const ScheduleSpace& best)
{
    if (bestDelay && *bestDelay <= best.GetTotalDelay())
        return;
    bestDelay = best.GetTotalDelay();
    bestOrders = best.GetOrders();
}
